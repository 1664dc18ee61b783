// The sample presets shipped beside the program: in the program's own file form, and each
// preset drawing a useful, symmetric set of lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "presets/settings_file.h"
#include "support/files.h"

namespace {

namespace fs = std::filesystem;
using tq58::TLineRow;

const fs::path kSample = fs::path(TQ58_KIT_DIR) / "tq58_sample.dat";

tq58::PresetStore LoadSample() {
  tq58::PresetStore store;
  tq58::LoadSettings(store, kSample);
  return store;
}

std::vector<TLineRow> DrawnRows(const tq58::TLineTable& preset) {
  std::vector<TLineRow> rows;
  std::copy_if(preset.Lines.begin(), preset.Lines.end(), std::back_inserter(rows),
               [](const TLineRow& row) { return row.DrawOn; });
  return rows;
}

// Saved again, the loaded file gives the same bytes: nothing in it is corrected on loading,
// and the dialog's first save changes nothing the user did not change.
TEST(SampleSettings, IsInTheProgramsOwnFileForm) {
  tq58::PresetStore store = LoadSample();
  tq58_test::TempFolder folder;
  ASSERT_TRUE(tq58::SaveSettings(store, folder.Path() / "tq58.dat"));
  EXPECT_EQ(tq58_test::ReadBytes(folder.Path() / "tq58.dat"), tq58_test::ReadBytes(kSample));
}

TEST(SampleSettings, EveryPresetWithACommentDrawsAndEveryOtherIsEmpty) {
  const tq58::PresetStore store = LoadSample();
  EXPECT_EQ(store.CurrentPreset, 1);
  int described = 0;
  for (int p = 1; p <= tq58::kPresetCount; ++p) {
    const tq58::TLineTable& preset = store.Preset(p);
    if (preset.Comment.empty()) {
      EXPECT_TRUE(DrawnRows(preset).empty()) << "preset " << p;
      continue;
    }
    ++described;
    EXPECT_GE(DrawnRows(preset).size(), 2u) << "preset " << p;
  }
  EXPECT_GE(described, 3);
}

// Walls, roads and pipes are symmetric about the base line: every line off it has its mirror
// image on the other side, drawn the same way.
TEST(SampleSettings, EveryPresetIsSymmetricAboutTheBaseLine) {
  const tq58::PresetStore store = LoadSample();
  for (int p = 1; p <= tq58::kPresetCount; ++p) {
    const std::vector<TLineRow> rows = DrawnRows(store.Preset(p));
    for (const TLineRow& row : rows) {
      TLineRow mirror = row;
      mirror.Spacing = -row.Spacing;
      EXPECT_NE(std::find(rows.begin(), rows.end(), mirror), rows.end())
          << "preset " << p << ": no mirror of the line at " << row.Spacing;
    }
  }
}

}  // namespace
