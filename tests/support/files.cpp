// Temporary folders, whole-file reads and writes, and settings files built line by line.
#include "support/files.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tq58_test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tq58_test_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::optional<std::string> ReadBytesIfPresent(const std::filesystem::path& path) {
  if (!std::filesystem::exists(path)) return std::nullopt;
  return ReadBytes(path);
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::size_t EntryCount(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

std::string SettingsFileText(int32_t currentPreset, int32_t preset,
                             const std::vector<SettingsRow>& rows) {
  return SettingsFileText(currentPreset, {{preset, rows}});
}

std::string SettingsFileText(
    int32_t currentPreset,
    const std::vector<std::pair<int32_t, std::vector<SettingsRow>>>& presetRows) {
  constexpr int kPresets = 20;
  constexpr int kRows = 10;
  std::string text = "100\r\n100\r\n" + std::to_string(currentPreset) + "\r\n";
  for (int p = 1; p <= kPresets; ++p) {
    text += "\r\n";  // empty comment
    std::vector<SettingsRow> rows;
    for (const auto& [preset, given] : presetRows) {
      if (preset == p) rows = given;
    }
    rows.resize(kRows);
    for (const SettingsRow& row : rows) {
      for (const std::string* value : {&row.DrawOn, &row.Spacing, &row.Radius, &row.PaperSize,
                                       &row.ColorIndex, &row.LineTypeIndex, &row.LineWidth}) {
        text += *value + "\r\n";
      }
    }
  }
  return text;
}

std::string OptionsBlockText(int32_t preset, const SettingsOptions& options) {
  constexpr int kPresets = 20;
  std::string text = "[tq58 presets v2]\r\n";
  for (int p = 1; p <= kPresets; ++p) {
    const SettingsOptions given = p == preset ? options : SettingsOptions{};
    for (const std::string* value : {&given.Corners, &given.BaseRadius, &given.BaseRadiusPaperSize,
                                     &given.StartCap, &given.EndCap}) {
      text += *value + "\r\n";
    }
  }
  if (options.Junctions == "0") return text;
  text += "[tq58 junctions v1]\r\n";
  for (int p = 1; p <= kPresets; ++p) text += (p == preset ? options.Junctions : "0") + "\r\n";
  return text;
}

}  // namespace tq58_test
