// Replacing a file: new and existing targets in both durabilities, and the targets that
// cannot be written with the reason each reports. Faults of the disk are in tests/faults.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/files.h"
#include "util/text_file.h"

namespace {

namespace fs = std::filesystem;
using tq58::util::Durability;
using tq58::util::ReplaceFileContents;
using tq58::util::WriteFailure;

class TextFileWrite : public testing::TestWithParam<Durability> {
 protected:
  std::string Contents() const { return tq58_test::ReadBytes(path_); }
  std::size_t FilesInFolder() const { return tq58_test::EntryCount(folder_); }

  tq58_test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
  const fs::path path_ = folder_ / "target.txt";
};

TEST_P(TextFileWrite, CreatesAndReplacesFiles) {
  EXPECT_TRUE(ReplaceFileContents(path_, "first\r\n", GetParam()));
  EXPECT_EQ(Contents(), "first\r\n");
  EXPECT_TRUE(ReplaceFileContents(path_, std::string("\x82\xA0\0z", 4), GetParam()));
  EXPECT_EQ(Contents(), std::string("\x82\xA0\0z", 4));
  EXPECT_TRUE(ReplaceFileContents(path_, "", GetParam()));
  EXPECT_EQ(Contents(), "");
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_P(TextFileWrite, WorksInAFolderWithJapaneseName) {
  const fs::path folder = folder_ / fs::path(u8"\u5916\u90e8\u5909\u5f62");
  fs::create_directories(folder);
  EXPECT_TRUE(ReplaceFileContents(folder / "a.txt", "x", GetParam()));
  EXPECT_TRUE(fs::exists(folder / "a.txt"));
}

// Targets that no write can reach: each reports its reason with the system's text and
// leaves the folder as it was.
TEST_P(TextFileWrite, UnreachableTargetsReportWhy) {
  fs::create_directories(path_ / "inner");
  const struct {
    fs::path target;
    WriteFailure reason;
  } cases[] = {
      {folder_ / "missing" / "a.txt", WriteFailure::FolderMissing},
      {path_, WriteFailure::FolderInTheWay},
      {folder_ / std::string(300, 'n'), WriteFailure::Other},  // a name longer than allowed
  };
  for (const auto& c : cases) {
    const tq58::util::WriteResult result = ReplaceFileContents(c.target, "x", GetParam());
    EXPECT_FALSE(result) << c.target;
    EXPECT_EQ(result.Failure, c.reason) << c.target;
    EXPECT_FALSE(result.SystemMessage.empty()) << c.target;
    EXPECT_TRUE(fs::is_directory(path_ / "inner"));
    EXPECT_EQ(FilesInFolder(), 1u) << c.target;
  }
}

INSTANTIATE_TEST_SUITE_P(Durabilities, TextFileWrite,
                         testing::Values(Durability::Cached, Durability::OnDisk),
                         [](const testing::TestParamInfo<Durability>& info) {
                           return info.param == Durability::Cached ? "Cached" : "OnDisk";
                         });

}  // namespace
