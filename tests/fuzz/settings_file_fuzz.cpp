// Fuzz target: the settings-file loader over arbitrary bytes. Whatever it reads obeys the
// range rules of the rows and of the options; saving it and loading it again gives the same
// table (reals to 15 digits), a second save writes the same bytes as the first, and the saved
// file holds the options block exactly when some preset uses an option, the junctions' block
// after it exactly when some preset cleans its junctions, the fill's when some preset fills or
// has a colour of its own, and the layers' block when some row or fill has a layer of its own.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "presets/presets.h"
#include "presets/settings_file.h"
#include "util/host_limits.h"
#include "util/real_format.h"
#include "util/text_convert.h"

using namespace tq58::fuzz;

namespace {

constexpr std::size_t kSettingsLineCount = 1423;
constexpr std::size_t kWithOptionsLineCount = 1524;
constexpr std::size_t kWithJunctionsLineCount = 1545;
constexpr std::size_t kWithFillLineCount = 1586;
constexpr std::size_t kWithLayersLineCount = 1807;

bool IsLayerOrCurrent(int32_t layer) { return layer >= -1 && layer <= 15; }

void RequireRules(const tq58::PresetStore& store) {
  Require(store.CurrentPreset >= 1 && store.CurrentPreset <= tq58::kPresetCount,
          "the current preset is 1..20");
  for (const tq58::TLineTable& preset : store.Presets) {
    Require(preset.Comment.find_first_of("\r\n\x1A") == std::string::npos,
            "a comment holds no line break and no Ctrl-Z");
    for (const tq58::TLineRow& row : preset.Lines) {
      Require(std::isfinite(row.Spacing) && std::isfinite(row.Radius), "reals are finite");
      Require(row.Radius >= 0.0, "a radius is never negative");
      Require(row.LineWidth >= tq58::kHostLineWidth && row.LineWidth <= tq58::util::kMaxLineWidth,
              "a width is -1..30000");
      Require(IsLayerOrCurrent(row.Layer), "a row's layer is -1..15");
    }
    const tq58::TPresetOptions& options = preset.Options;
    Require(options.Corners == tq58::CornerMode::PerRow ||
                options.Corners == tq58::CornerMode::Concentric,
            "a corner mode is 0 or 1");
    Require(std::isfinite(options.BaseRadius) && options.BaseRadius >= 0.0,
            "a base radius is finite and never negative");
    for (const tq58::CapStyle cap : {options.StartCap, options.EndCap}) {
      Require(cap == tq58::CapStyle::None || cap == tq58::CapStyle::Line ||
                  cap == tq58::CapStyle::Arc || cap == tq58::CapStyle::ConcentricArc,
              "a cap is 0, 1, 2 or 3");
    }
    Require(options.Junctions == tq58::JunctionMode::None ||
                options.Junctions == tq58::JunctionMode::Clean,
            "a junction mode is 0 or 1");
    Require(options.FillColor >= 0 && options.FillColor <= tq58::kLargestFillColor,
            "a fill colour is 0..16777215");
    Require(IsLayerOrCurrent(options.FillLayer), "a fill's layer is -1..15");
  }
}

// The lines that a save of `store` writes: 1423, 1524 when some preset uses an option, 1545
// when some preset cleans its junctions, 1586 when some preset fills or has a fill colour, 1807
// when some row or fill has a layer of its own.
std::size_t SavedLineCount(const tq58::PresetStore& store) {
  std::size_t count = kSettingsLineCount;
  for (const tq58::TLineTable& preset : store.Presets) {
    if (preset.Options.FillLayer != tq58::kCurrentLayer) return kWithLayersLineCount;
    for (const tq58::TLineRow& row : preset.Lines) {
      if (row.Layer != tq58::kCurrentLayer) return kWithLayersLineCount;
    }
  }
  for (const tq58::TLineTable& preset : store.Presets) {
    const tq58::TPresetOptions& o = preset.Options;
    if (o.Fill || o.FillColor != tq58::kDefaultFillColor) return kWithFillLineCount;
  }
  for (const tq58::TLineTable& preset : store.Presets) {
    if (preset.Options.Junctions != tq58::JunctionMode::None) return kWithJunctionsLineCount;
    if (preset.Options != tq58::TPresetOptions{}) count = kWithOptionsLineCount;
  }
  return count;
}

// Every line of a saved file ends in CR LF, and there are exactly as many as the table needs.
void RequireSavedShape(const std::string& bytes, std::size_t expectedLines) {
  std::size_t lines = 0;
  for (std::size_t start = 0; start < bytes.size(); ++lines) {
    const std::size_t lf = bytes.find('\n', start);
    Require(lf != std::string::npos && lf > start && bytes[lf - 1] == '\r',
            "every saved line ends in CR LF");
    Require(bytes.find('\r', start) == lf - 1, "no CR inside a saved line");
    start = lf + 1;
  }
  Require(lines == expectedLines,
          "a saved file has 1423 lines, 1524 with options, 1545 with junctions, 1586 with fills, "
          "1807 with layers");
}

bool SameStore(const tq58::PresetStore& a, const tq58::PresetStore& b) {
  return a.FormLeft == b.FormLeft && a.FormTop == b.FormTop && a.CurrentPreset == b.CurrentPreset &&
         a.Presets == b.Presets;
}

// The table as a save and a load give it back: each real read from its general format.
tq58::PresetStore RoundedTo15Digits(tq58::PresetStore store) {
  for (tq58::TLineTable& preset : store.Presets) {
    for (tq58::TLineRow& row : preset.Lines) {
      row.Spacing = tq58::util::TextToFloat(tq58::util::FormatReal(row.Spacing));
      row.Radius = tq58::util::TextToFloat(tq58::util::FormatReal(row.Radius));
    }
    preset.Options.BaseRadius =
        tq58::util::TextToFloat(tq58::util::FormatReal(preset.Options.BaseRadius));
  }
  return store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const std::filesystem::path input = ScratchPath("input.dat");
  static const std::filesystem::path saved = ScratchPath("saved.dat");
  WriteBytes(input, AsText(data, size));

  tq58::PresetStore loaded;
  tq58::LoadSettings(loaded, input);
  RequireRules(loaded);

  tq58::PresetStore toSave = loaded;
  Require(static_cast<bool>(tq58::SaveSettings(toSave, saved)), "the save succeeds");
  Require(SameStore(toSave, loaded), "saving a loaded table changes nothing in it");
  const std::string firstSave = ReadBytes(saved);
  RequireSavedShape(firstSave, SavedLineCount(loaded));

  tq58::PresetStore reloaded;
  tq58::LoadSettings(reloaded, saved);
  Require(SameStore(reloaded, RoundedTo15Digits(loaded)), "save then load gives the same table");

  Require(static_cast<bool>(tq58::SaveSettings(reloaded, saved)), "the second save succeeds");
  Require(ReadBytes(saved) == firstSave, "a second save writes the same bytes");
  return 0;
}
