// Saving the settings file when the disk fills up: whatever byte the system refuses, the save
// says the disk is full, the previous file stays byte for byte and no temporary file remains.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "presets/settings_file.h"
#include "support/files.h"
#include "support/real_faults.h"

namespace tq58 {
namespace {

namespace fs = std::filesystem;

// A store with something different from the start values in every preset.
PresetStore StoreNumbered(int32_t seed) {
  PresetStore store;
  store.FormLeft = seed;
  store.CurrentPreset = 1 + seed % kPresetCount;
  for (int p = 1; p <= kPresetCount; ++p) {
    store.Preset(p).Comment = "\x8E\xC0\x90\xFC " + std::to_string(seed + p);
    for (TLineRow& row : store.Preset(p).Lines) {
      row.DrawOn = true;
      row.Spacing = seed / 3.0 + p;
      row.Radius = p * 0.125;
      row.LineWidth = p * 100;
    }
  }
  return store;
}

class SettingsOnAFullDisk : public testing::Test {
 protected:
  tq58_test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
};

// The system refuses the write at every byte of the new file in turn, through the buffering
// of the standard library: each failed save keeps the previous file.
TEST_F(SettingsOnAFullDisk, EveryByteAtWhichTheDiskFillsKeepsThePreviousFile) {
  const fs::path path = folder_ / "tq58.dat";
  PresetStore previousStore = StoreNumbered(-1200);
  ASSERT_TRUE(SaveSettings(previousStore, path));
  const std::string previous = tq58_test::ReadBytes(path);

  PresetStore store = StoreNumbered(345);
  const fs::path reference = folder_ / "reference" / "tq58.dat";
  fs::create_directories(reference.parent_path());
  ASSERT_TRUE(SaveSettings(store, reference));
  const std::string expected = tq58_test::ReadBytes(reference);
  fs::remove_all(reference.parent_path());

  for (std::size_t limit = 0; limit < expected.size(); ++limit) {
    util::WriteResult saved;
    {
      const faults::ScopedFileSizeLimit full(limit);
      saved = SaveSettings(store, path);
    }
    ASSERT_EQ(saved.Failure, util::WriteFailure::DiskFull) << "disk full after " << limit;
    ASSERT_TRUE(tq58_test::ReadBytes(path) == previous) << "disk full after " << limit << " bytes";
    ASSERT_EQ(tq58_test::EntryCount(folder_), 1u) << "disk full after " << limit << " bytes";
  }
  const faults::ScopedFileSizeLimit exactlyEnough(expected.size());
  EXPECT_TRUE(SaveSettings(store, path));
  EXPECT_TRUE(tq58_test::ReadBytes(path) == expected);
}

// A tmpfs with room for less than the new file, page by page: each save fails and keeps the
// previous file. With exactly the room the new file needs, the save succeeds.
TEST_F(SettingsOnAFullDisk, FullTmpfsKeepsThePreviousFile) {
  faults::SmallTmpfs disk(folder_ / "disk");
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
  const fs::path path = disk.Folder() / "tq58.dat";
  PresetStore previousStore = StoreNumbered(7);
  ASSERT_TRUE(SaveSettings(previousStore, path));
  const std::string previous = tq58_test::ReadBytes(path);

  PresetStore store = StoreNumbered(8);
  ASSERT_TRUE(SaveSettings(store, folder_ / "reference.dat"));
  const std::size_t pagesNeeded =
      (tq58_test::ReadBytes(folder_ / "reference.dat").size() + faults::SmallTmpfs::kPageSize - 1) /
      faults::SmallTmpfs::kPageSize;
  ASSERT_GE(pagesNeeded, 2u);  // so that one write succeeds before the disk is full

  for (std::size_t freePages = 0; freePages < pagesNeeded; ++freePages) {
    disk.LeaveFree(freePages);
    EXPECT_EQ(SaveSettings(store, path).Failure, util::WriteFailure::DiskFull)
        << freePages << " pages free";
    EXPECT_TRUE(tq58_test::ReadBytes(path) == previous) << freePages << " pages free";
    EXPECT_EQ(tq58_test::EntryCount(disk.Folder()), 2u) << "only the settings file and the filler";
  }
  disk.LeaveFree(pagesNeeded);
  EXPECT_TRUE(SaveSettings(store, path));
  EXPECT_TRUE(tq58_test::ReadBytes(path) == tq58_test::ReadBytes(folder_ / "reference.dat"));
}

}  // namespace
}  // namespace tq58
