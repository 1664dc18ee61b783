// Replacing a file: new and existing targets, and every injected failure keeping the old file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/files.h"
#include "util/text_file.h"
#include "util/write_faults.h"

namespace {

namespace fs = std::filesystem;
using MyFunc::ReplaceFileContents;
using MyFunc::ScopedWriteFault;
using MyFunc::WriteFault;
using MyFunc::WriteFaultStep;

class TextFileWrite : public testing::Test {
 protected:
  std::string Contents() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::size_t FilesInFolder() const { return tq58_test::EntryCount(folder_); }

  tq58_test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
  const fs::path path_ = folder_ / "target.txt";
};

TEST_F(TextFileWrite, CreatesAndReplacesFiles) {
  EXPECT_TRUE(ReplaceFileContents(path_, "first\r\n"));
  EXPECT_EQ(Contents(), "first\r\n");
  EXPECT_TRUE(ReplaceFileContents(path_, std::string("\x82\xA0\0z", 4)));
  EXPECT_EQ(Contents(), std::string("\x82\xA0\0z", 4));
  EXPECT_TRUE(ReplaceFileContents(path_, ""));
  EXPECT_EQ(Contents(), "");
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(TextFileWrite, WorksInAFolderWithJapaneseName) {
  const fs::path folder = folder_ / fs::path(u8"\u5916\u90e8\u5909\u5f62");
  fs::create_directories(folder);
  EXPECT_TRUE(ReplaceFileContents(folder / "a.txt", "x"));
  EXPECT_TRUE(fs::exists(folder / "a.txt"));
}

TEST_F(TextFileWrite, FailsWithoutAFolderOrOverADirectory) {
  EXPECT_FALSE(ReplaceFileContents(folder_ / "missing" / "a.txt", "x"));
  fs::create_directories(path_ / "inner");
  EXPECT_FALSE(ReplaceFileContents(path_, "x"));
  EXPECT_TRUE(fs::is_directory(path_ / "inner"));
  EXPECT_EQ(FilesInFolder(), 1u);
}

// Every step and every byte at which the write can stop leaves the old file as it was.
TEST_F(TextFileWrite, AnyFailureKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const std::string old = "old contents\r\n";
  const std::string content = "new contents, longer than the old ones\r\n";
  std::ofstream(path_, std::ios::binary) << old;
  std::vector<WriteFault> faults = {{WriteFaultStep::Create, 0},
                                    {WriteFaultStep::Flush, 0},
                                    {WriteFaultStep::Close, 0},
                                    {WriteFaultStep::Rename, 0}};
  for (std::size_t offset = 0; offset <= content.size() + 1; ++offset) {
    faults.push_back({WriteFaultStep::Write, offset});
  }
  for (const WriteFault& fault : faults) {
    const ScopedWriteFault armed(fault);
    EXPECT_FALSE(ReplaceFileContents(path_, content))
        << static_cast<int>(fault.step) << " at " << fault.byteOffset;
    EXPECT_EQ(Contents(), old);
    EXPECT_EQ(FilesInFolder(), 1u);
  }
  EXPECT_TRUE(ReplaceFileContents(path_, content));  // the fault ended with its scope
  EXPECT_EQ(Contents(), content);
}

}  // namespace
