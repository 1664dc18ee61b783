// Files and folders for tests: fresh temporary folders, whole-file bytes, settings files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tq58_test {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The whole file; throws when it cannot be read, so that a missing input fails the test.
std::string ReadBytes(const std::filesystem::path& path);
// The whole file, or nothing when there is no file at `path`.
std::optional<std::string> ReadBytesIfPresent(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// How many files and folders `folder` holds (not counting their contents).
std::size_t EntryCount(const std::filesystem::path& folder);

// One offset line of a settings file, with the values as they are written.
struct SettingsRow {
  std::string DrawOn = "0";
  std::string Spacing = "0";
  std::string Radius = "0";
  std::string PaperSize = "0";
  std::string ColorIndex = "0";
  std::string LineTypeIndex = "0";
  std::string LineWidth = "-1";
};

// The 1423 lines of a settings file with CR LF: position 100, 100, the given current preset,
// `rows` as the first rows of preset `preset`, every other row at its start values.
std::string SettingsFileText(int32_t currentPreset, int32_t preset,
                             const std::vector<SettingsRow>& rows);

// The same with the first rows of several presets: (preset, its rows).
std::string SettingsFileText(
    int32_t currentPreset,
    const std::vector<std::pair<int32_t, std::vector<SettingsRow>>>& presetRows);

// The options of one preset in a settings file, with the values as they are written.
struct SettingsOptions {
  std::string Corners = "0";
  std::string BaseRadius = "0";
  std::string BaseRadiusPaperSize = "0";
  std::string StartCap = "0";
  std::string EndCap = "0";
  std::string Junctions = "0";  // in a block of its own after the others, where not "0"
};

// The options block that follows line 1423 of a settings file, with CR LF: the marker, then
// `options` for preset `preset` and the defaults for every other; then, where `options` has
// junctions, their block likewise.
std::string OptionsBlockText(int32_t preset, const SettingsOptions& options);

}  // namespace tq58_test
