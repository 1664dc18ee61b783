// Replacing a file under real faults, in both durabilities: whichever step the system
// refuses, the old file stays byte for byte, no temporary file remains, and the result names
// the reason. A full disk is tested with the exchange and the settings file; the cases that
// mount need root and are skipped without it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/real_faults.h"
#include "util/text_file.h"

namespace {

namespace fs = std::filesystem;
using tq58::util::Durability;
using tq58::util::WriteFailure;
using tq58::util::WriteResult;

constexpr char kOld[] = "old contents\r\n";
constexpr char kNew[] = "new contents, longer than the old ones\r\n";

class ReplacementFaults : public testing::Test {
 protected:
  // Replaces `target` in both durabilities; call it while the fault is armed.
  static std::vector<WriteResult> ReplaceBothWays(const fs::path& target) {
    return {tq58::util::ReplaceFileContents(target, kNew, Durability::Cached),
            tq58::util::ReplaceFileContents(target, kNew, Durability::OnDisk)};
  }

  // Each result reports `reason` with the system's text, and `target` is as it was, alone in
  // its folder.
  static void ExpectFailedAndKept(const std::vector<WriteResult>& results, const fs::path& target,
                                  WriteFailure reason) {
    for (const WriteResult& result : results) {
      EXPECT_EQ(result.Failure, reason);
      EXPECT_FALSE(result.SystemMessage.empty());
    }
    EXPECT_EQ(tq58_test::ReadBytes(target), kOld);
    EXPECT_EQ(tq58_test::EntryCount(target.parent_path()), 1u);
  }

  tq58_test::TempFolder temp_;
  const fs::path target_ = temp_.Path() / "target.txt";
};

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
