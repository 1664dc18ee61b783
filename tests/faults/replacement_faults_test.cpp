// Replacing a file under real faults, in both durabilities: whichever step the system
// refuses, the old file stays byte for byte, no temporary file remains, and the result names
// the reason. The cases that mount need root and are skipped without it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/real_faults.h"
#include "util/text_file.h"

namespace {

namespace fs = std::filesystem;
using MyFunc::Durability;
using MyFunc::WriteFailure;
using MyFunc::WriteResult;

constexpr char kOld[] = "old contents\r\n";
constexpr char kNew[] = "new contents, longer than the old ones\r\n";

class ReplacementFaults : public testing::Test {
 protected:
  // Replaces `target` in both durabilities; call it while the fault is armed.
  static std::vector<WriteResult> ReplaceBothWays(const fs::path& target) {
    return {MyFunc::ReplaceFileContents(target, kNew, Durability::Cached),
            MyFunc::ReplaceFileContents(target, kNew, Durability::OnDisk)};
  }

  // Each result reports `reason` with the system's text, and `target` is as it was, alone in
  // its folder but for `othersInFolder` entries.
  static void ExpectFailedAndKept(const std::vector<WriteResult>& results, const fs::path& target,
                                  WriteFailure reason, std::size_t othersInFolder = 0) {
    for (const WriteResult& result : results) {
      EXPECT_EQ(result.Failure, reason);
      EXPECT_FALSE(result.SystemMessage.empty());
    }
    EXPECT_EQ(tq58_test::ReadBytes(target), kOld);
    EXPECT_EQ(tq58_test::EntryCount(target.parent_path()), 1 + othersInFolder);
  }

  tq58_test::TempFolder temp_;
  const fs::path target_ = temp_.Path() / "target.txt";
};

// The system refuses the write at every byte in turn; the small file is still in the
// library's buffer then, so the refusal surfaces at the flush or the close.
TEST_F(ReplacementFaults, FileSizeLimitAtAnyByteIsADiskFull) {
  tq58_test::WriteBytes(target_, kOld);
  for (std::size_t limit = 0; limit < std::string(kNew).size(); ++limit) {
    std::vector<WriteResult> results;
    {
      const tq58::faults::ScopedFileSizeLimit full(limit);
      results = ReplaceBothWays(target_);
    }
    SCOPED_TRACE("disk full after " + std::to_string(limit) + " bytes");
    ExpectFailedAndKept(results, target_, WriteFailure::DiskFull);
  }
}

// The temporary file cannot even be created: the system's own text tells why.
TEST_F(ReplacementFaults, NoFileDescriptorLeftIsToldInTheSystemsWords) {
  tq58_test::WriteBytes(target_, kOld);
  std::vector<WriteResult> results;
  {
    const tq58::faults::ScopedNoFileDescriptors none;
    results = ReplaceBothWays(target_);
  }
  ExpectFailedAndKept(results, target_, WriteFailure::Other);
}

TEST_F(ReplacementFaults, FullFileSystemIsADiskFull) {
  tq58::faults::SmallTmpfs disk(temp_.Path() / "disk");
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
  const fs::path target = disk.Folder() / "target.txt";
  tq58_test::WriteBytes(target, kOld);
  disk.LeaveFree(0);
  ExpectFailedAndKept(ReplaceBothWays(target), target, WriteFailure::DiskFull, 1);  // filler
}

TEST_F(ReplacementFaults, ReadOnlyFileSystemIsWriteProtected) {
  tq58::faults::SmallTmpfs disk(temp_.Path() / "disk");
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
  const fs::path target = disk.Folder() / "target.txt";
  tq58_test::WriteBytes(target, kOld);
  ASSERT_TRUE(disk.MakeReadOnly());
  ExpectFailedAndKept(ReplaceBothWays(target), target, WriteFailure::WriteProtected);
}

// The new file is written whole, then the rename over the old one is refused: the written
// temporary file goes again.
TEST_F(ReplacementFaults, TargetHeldByTheSystemIsInUse) {
  tq58_test::WriteBytes(target_, kOld);
  std::vector<WriteResult> results;
  {
    const tq58::faults::ScopedMountedFile held(target_);
    if (!held.Mounted()) GTEST_SKIP() << "mounting needs root";
    results = ReplaceBothWays(target_);
  }
  ExpectFailedAndKept(results, target_, WriteFailure::InUse);
}

}  // namespace
