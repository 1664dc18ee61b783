// The settings file: 3 header lines, then for each of the 20 presets its comment and the seven
// lines of each of its 10 rows. A value is known by its line number alone. When some preset
// uses an option beyond its rows, a marked block of five lines per preset follows; an older
// program reads the first 1423 lines and never sees it.
#include "multiline/settings_file.h"

#include <cstddef>
#include <string>
#include <string_view>

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

// The options block: its marker line, then the options of preset 1, 2, ... 20.
constexpr std::string_view kOptionsMarker = "[tq58 presets v2]";
constexpr std::size_t kLinesPerOptions = kPresetOptionFields.size();
constexpr std::size_t kOptionsLineCount = 1 + kPresetCount * kLinesPerOptions;
constexpr std::size_t kExtendedLineCount = kSettingsLineCount + kOptionsLineCount;
static_assert(kExtendedLineCount == 1524);

using MyFunc::kLineBreak;

constexpr char kCtrlZ = '\x1A';

void AppendDecimalLine(std::string& out, int32_t value) {
  MyFunc::AppendDecimal(out, value);
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

// Stores the value of the options block's line with zero-based number `index` within it,
// the marker being line 0.
void ApplyOptionsLine(PresetStore& store, std::size_t index, std::string_view text) {
  TPresetOptions& options = store.Presets[(index - 1) / kLinesPerOptions].Options;
  SetPresetOptionField(options, kPresetOptionFields[(index - 1) % kLinesPerOptions], text);
  ApplyPresetOptionRules(options);
}

// Stores the value of the settings line with zero-based number `index` (of the first 1423).
void ApplySettingsLine(PresetStore& store, std::size_t index, std::string_view text) {
  switch (index) {
    case 0:
      store.FormLeft = MyFunc::TextToInt(text);
      return;
    case 1:
      store.FormTop = MyFunc::TextToInt(text);
      return;
    case 2:
      store.CurrentPreset = MyFunc::TextToInt(text);
      if (!MyFunc::IsPresetNumber(store.CurrentPreset)) store.CurrentPreset = 1;
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

// The options block, or nothing when every preset has the default options: a file that uses
// no option is then exactly what a program without options writes.
void AppendOptionsBlock(std::string& out, PresetStore& store) {
  bool anyUsed = false;
  for (TLineTable& preset : store.Presets) {
    ApplyPresetOptionRules(preset.Options);
    anyUsed = anyUsed || preset.Options != TPresetOptions{};
  }
  if (!anyUsed) return;
  out += kOptionsMarker;
  out += kLineBreak;
  for (const TLineTable& preset : store.Presets) {
    for (const PresetOptionField& field : kPresetOptionFields) {
      AppendPresetOptionField(out, preset.Options, field);
      out += kLineBreak;
    }
  }
}

}  // namespace

MyFunc::ReadResult LoadSettings(PresetStore& store, const std::filesystem::path& path) {
  store = PresetStore{};
  std::size_t linesRead = 0;
  const MyFunc::ReadResult result = MyFunc::ForEachTextLine(path, [&](std::string_view line) {
    const std::size_t index = linesRead++;
    if (index < kSettingsLineCount) {
      ApplySettingsLine(store, index, line);
      return true;
    }
    // Without the marker the lines after the layout are not ours: the options keep their
    // defaults. Missing option lines keep them as well.
    if (index == kSettingsLineCount) return line == kOptionsMarker;
    ApplyOptionsLine(store, index - kSettingsLineCount, line);
    return linesRead < kExtendedLineCount;
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

MyFunc::WriteResult SaveSettings(PresetStore& store, const std::filesystem::path& path) {
  std::string content;
  AppendDecimalLine(content, store.FormLeft);
  AppendDecimalLine(content, store.FormTop);
  AppendDecimalLine(content, store.CurrentPreset);
  for (TLineTable& preset : store.Presets) {
    AppendCommentLine(content, preset.Comment);
    for (TLineRow& row : preset.Lines) {
      row.Radius = ApplyRadiusRule(row.Radius);
      for (const LineRowField& field : kLineRowFields) {
        AppendLineRowField(content, row, field);
        content += kLineBreak;
      }
    }
  }
  AppendOptionsBlock(content, store);
  // The settings are the user's work of many sessions: they go to the disk before they
  // replace the old file.
  return MyFunc::ReplaceFileContents(path, content, MyFunc::Durability::OnDisk);
}

}  // namespace tq58
