// The settings file: 3 header lines, then for each of the 20 presets its comment and the seven
// lines of each of its 10 rows. A value is known by its line number alone. When some preset
// uses an option beyond its rows, or a layer of its own for a row or the fill, marked blocks
// follow, each with a line per preset and value; a program that knows fewer blocks reads as
// far as it knows and never sees the rest.
#include "presets/settings_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "presets/preset_fields.h"
#include "util/line_break.h"
#include "util/real_format.h"
#include "util/text_convert.h"
#include "util/text_file.h"

namespace tq58 {
namespace {

constexpr std::size_t kHeaderLines = 3;  // FormLeft, FormTop, CurrentPreset
constexpr std::size_t kLinesPerRow = kLineRowFields.size();
constexpr std::size_t kLinesPerPreset = 1 + kRowsPerPreset * kLinesPerRow;  // comment + rows
constexpr std::size_t kSettingsLineCount = kHeaderLines + kPresetCount * kLinesPerPreset;
static_assert(kSettingsLineCount == 1423);

// An options block: its marker line, then the block's values of preset 1, 2, ... 20.
struct OptionsBlock {
  std::string_view marker;
  std::span<const PresetField> fields;

  constexpr std::size_t LineCount() const { return 1 + kPresetCount * fields.size(); }
};

constexpr auto kPresetOptionBlockFields = AsPresetFields(kPresetOptionFields);
constexpr auto kJunctionBlockFields = AsPresetFields(kJunctionOptionFields);
constexpr auto kFillBlockFields = AsPresetFields(kFillOptionFields);

// In the order of the file. A block is written when some preset uses one of its values or of
// a later block's, so that every block always starts on the same line.
constexpr std::array<OptionsBlock, 4> kOptionsBlocks = {{
    {"[tq58 presets v2]", kPresetOptionBlockFields},
    {"[tq58 junctions v1]", kJunctionBlockFields},
    {"[tq58 fill v1]", kFillBlockFields},
    {"[tq58 layers v1]", kPresetLayerFields},
}};

// The file's length when blocks 0 to `last` are written.
constexpr std::size_t LinesThroughBlock(std::size_t last) {
  std::size_t lines = kSettingsLineCount;
  for (std::size_t b = 0; b <= last; ++b) lines += kOptionsBlocks[b].LineCount();
  return lines;
}
static_assert(LinesThroughBlock(0) == 1524);
static_assert(LinesThroughBlock(1) == 1545);
static_assert(LinesThroughBlock(2) == 1586);
static_assert(LinesThroughBlock(3) == 1807);

using util::kLineBreak;

constexpr char kCtrlZ = '\x1A';

void AppendDecimalLine(std::string& out, int32_t value) {
  util::AppendDecimal(out, value);
  out += kLineBreak;
}

// The comment as one line. A line break would shift every later value to the wrong line, and
// a Ctrl-Z would end the file for the reader, so those bytes are left out.
void AppendCommentLine(std::string& out, std::string_view comment) {
  for (const char c : comment) {
    if (c != '\r' && c != '\n' && c != kCtrlZ) out += c;
  }
  out += kLineBreak;
}

// Stores the value of the line with zero-based number `index` after the first 1423. False
// for a marker line that is not its block's (without the marker, the lines from there on are
// not ours, and their options keep their defaults) and for a line after the last block.
bool ApplyOptionsLine(PresetStore& store, std::size_t index, std::string_view text) {
  for (const OptionsBlock& block : kOptionsBlocks) {
    if (index >= block.LineCount()) {
      index -= block.LineCount();
      continue;
    }
    if (index == 0) return text == block.marker;
    const std::size_t perPreset = block.fields.size();
    SetPresetField(store.Presets[(index - 1) / perPreset], block.fields[(index - 1) % perPreset],
                   text);
    return true;
  }
  return false;
}

// Stores the value of the settings line with zero-based number `index` (of the first 1423).
void ApplySettingsLine(PresetStore& store, std::size_t index, std::string_view text) {
  switch (index) {
    case 0:
      store.FormLeft = util::TextToInt(text);
      return;
    case 1:
      store.FormTop = util::TextToInt(text);
      return;
    case 2:
      store.CurrentPreset = util::TextToInt(text);
      if (!util::IsPresetNumber(store.CurrentPreset)) store.CurrentPreset = 1;
      return;
    default:
      break;
  }
  const std::size_t inPresets = index - kHeaderLines;
  TLineTable& preset = store.Presets[inPresets / kLinesPerPreset];
  const std::size_t inPreset = inPresets % kLinesPerPreset;
  if (inPreset == 0) {
    preset.Comment = text;
    return;
  }
  TLineRow& row = preset.Lines[(inPreset - 1) / kLinesPerRow];
  SetLineRowField(row, kLineRowFields[(inPreset - 1) % kLinesPerRow], text);
  // Applied at every field, so that a row cut short by a read failure obeys the rules too.
  ApplyLineRowRules(row);
}

// The options blocks up to the last one that some preset uses, or nothing when every preset
// has the default options and layers: a file is then exactly what a program that knows only
// the blocks written, or none, writes.
void AppendOptionsBlocks(std::string& out, PresetStore& store) {
  std::size_t blocksUsed = 0;
  for (TLineTable& preset : store.Presets) {
    ApplyPresetOptionRules(preset.Options);
    for (std::size_t b = 0; b < kOptionsBlocks.size(); ++b) {
      for (const PresetField& field : kOptionsBlocks[b].fields) {
        if (DiffersFromDefault(preset, field)) blocksUsed = std::max(blocksUsed, b + 1);
      }
    }
  }
  for (std::size_t b = 0; b < blocksUsed; ++b) {
    out += kOptionsBlocks[b].marker;
    out += kLineBreak;
    for (const TLineTable& preset : store.Presets) {
      for (const PresetField& field : kOptionsBlocks[b].fields) {
        AppendPresetField(out, preset, field);
        out += kLineBreak;
      }
    }
  }
}

}  // namespace

util::ReadResult LoadSettings(PresetStore& store, const std::filesystem::path& path) {
  store = PresetStore{};
  std::size_t linesRead = 0;
  const util::ReadResult result = util::ForEachTextLine(path, [&](std::string_view line) {
    const std::size_t index = linesRead++;
    if (index < kSettingsLineCount) {
      ApplySettingsLine(store, index, line);
      return true;
    }
    // Missing option lines keep their defaults; a line after the last block ends the reading.
    return ApplyOptionsLine(store, index - kSettingsLineCount, line);
  });
  // Part of a file is no preset table: a row half read, or preset 3 with preset 2's values
  // that a save would then make permanent.
  if (result.Unreadable()) store = PresetStore{};
  // A short file reads as if it went on with empty lines.
  if (result) {
    for (; linesRead < kSettingsLineCount; ++linesRead) ApplySettingsLine(store, linesRead, "");
  }
  return result;
}

util::WriteResult SaveSettings(PresetStore& store, const std::filesystem::path& path) {
  std::string content;
  AppendDecimalLine(content, store.FormLeft);
  AppendDecimalLine(content, store.FormTop);
  AppendDecimalLine(content, store.CurrentPreset);
  for (TLineTable& preset : store.Presets) {
    AppendCommentLine(content, preset.Comment);
    for (TLineRow& row : preset.Lines) {
      row.Radius = ApplyRadiusRule(row.Radius);
      row.Layer = ApplyLayerRule(row.Layer);  // before the layers' block is judged used
      for (const LineRowField& field : kLineRowFields) {
        AppendLineRowField(content, row, field);
        content += kLineBreak;
      }
    }
  }
  AppendOptionsBlocks(content, store);
  // The settings are the user's work of many sessions: they go to the disk before they
  // replace the old file.
  return util::ReplaceFileContents(path, content, util::Durability::OnDisk);
}

}  // namespace tq58
