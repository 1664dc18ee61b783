// Files and folders for tests: fresh temporary folders, whole-file bytes, settings files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
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

}  // namespace tq58_test
