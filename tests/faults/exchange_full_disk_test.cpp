// Writing the exchange file back when the disk fills up or no file can be opened: whatever
// the system refuses, the host finds no file at all rather than a partial one or its own input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "exchange/model.h"
#include "exchange/writer.h"
#include "support/files.h"
#include "support/real_faults.h"

namespace tq58::exchange {
namespace {

namespace fs = std::filesystem;

constexpr char kHostInput[] = "lg0\r\nly0\r\nhp1 0 0\r\nhp2 100 0\r\n";

class ExchangeOnAFullDisk : public testing::Test {
 protected:
  void SetUp() override {
    // A run's worth of output, longer than the standard library's buffer, with a text line
    // that the writer joins to the one before it.
    ExchangeModel model;
    ResetWriterState(writer_);
    OutLayerGroup(writer_, 2);
    OutLayer(writer_, 5);
    for (int i = 0; i < 200; ++i) {
      OutLineColor(model, writer_, 1 + i % 3, NumberKind::HostNumber);
      OutSegment(writer_, i, 0.5 * i, i + 10.25, 0.5 * i);
      OutArc(writer_, i + 10.25, 0.5 * i + 3, 3, 270, 0, 1, 0);
    }
    OutText(writer_, 0, "\x8E\xC0\x90\xFC end", 1, 2, 1, 0);
  }

  // The file that a successful write gives.
  std::string Expected() {
    const fs::path reference = folder_ / "reference.txt";
    EXPECT_TRUE(WriteExchangeFile(writer_, reference));
    std::string bytes = tq58_test::ReadBytes(reference);
    fs::remove(reference);
    return bytes;
  }

  tq58_test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
  WriterState writer_;
};

// The system refuses the write at every byte of the new file in turn, through the buffering
// of the standard library: each failed write removes the host's input and leaves nothing.
TEST_F(ExchangeOnAFullDisk, EveryByteAtWhichTheDiskFillsLeavesNoFile) {
  const fs::path path = folder_ / "JWC_TEMP.TXT";
  const std::string expected = Expected();
  ASSERT_GT(expected.size(), 8192u);
  for (std::size_t limit = 0; limit < expected.size(); ++limit) {
    std::ofstream(path, std::ios::binary) << kHostInput;
    bool written = false;
    {
      const tq58::faults::ScopedFileSizeLimit full(limit);
      written = WriteExchangeFile(writer_, path);
    }
    ASSERT_FALSE(written) << "disk full after " << limit << " bytes";
    ASSERT_FALSE(fs::exists(path)) << "disk full after " << limit << " bytes";
    ASSERT_EQ(tq58_test::EntryCount(folder_), 0u) << "disk full after " << limit << " bytes";
  }
  std::ofstream(path, std::ios::binary) << kHostInput;
  const tq58::faults::ScopedFileSizeLimit exactlyEnough(expected.size());
  EXPECT_TRUE(WriteExchangeFile(writer_, path));
  EXPECT_TRUE(tq58_test::ReadBytes(path) == expected);
}

// The temporary file cannot be created: the write fails before its first byte, and the host's
// input goes all the same.
TEST_F(ExchangeOnAFullDisk, NoFileDescriptorLeftLeavesNoFile) {
  const fs::path path = folder_ / "JWC_TEMP.TXT";
  std::ofstream(path, std::ios::binary) << kHostInput;
  bool written = true;
  {
    const tq58::faults::ScopedNoFileDescriptors none;
    written = WriteExchangeFile(writer_, path);
  }
  EXPECT_FALSE(written);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(tq58_test::EntryCount(folder_), 0u);
}

// A tmpfs with room for less than the output, page by page: each write fails and leaves no
// exchange file. With exactly the room the output needs, the write succeeds.
TEST_F(ExchangeOnAFullDisk, FullTmpfsLeavesNoFile) {
  tq58::faults::SmallTmpfs disk(folder_ / "disk");
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
  const fs::path path = disk.Folder() / "JWC_TEMP.TXT";
  const std::string expected = Expected();
  const std::size_t pagesNeeded = (expected.size() + tq58::faults::SmallTmpfs::kPageSize - 1) /
                                  tq58::faults::SmallTmpfs::kPageSize;

  for (std::size_t freePages = 0; freePages < pagesNeeded; ++freePages) {
    std::ofstream(path, std::ios::binary) << kHostInput;
    disk.LeaveFree(freePages);
    EXPECT_FALSE(WriteExchangeFile(writer_, path)) << freePages << " pages free";
    EXPECT_FALSE(fs::exists(path)) << freePages << " pages free";
    EXPECT_EQ(tq58_test::EntryCount(disk.Folder()), 1u) << "only the filler";
  }
  std::ofstream(path, std::ios::binary) << kHostInput;
  disk.LeaveFree(pagesNeeded);
  EXPECT_TRUE(WriteExchangeFile(writer_, path));
  EXPECT_TRUE(tq58_test::ReadBytes(path) == expected);
}

}  // namespace
}  // namespace tq58::exchange
