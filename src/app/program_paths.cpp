// The program's own path (/proc/self/exe on Linux, GetModuleFileNameW on Windows) and the
// files named after it.
#include "app/program_paths.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace tq58 {

#ifdef _WIN32
std::filesystem::path ProgramFile() {
  // A path may be longer than MAX_PATH; GetModuleFileNameW cuts it to the buffer and then
  // returns the buffer's full size, so the buffer grows until the path fits.
  constexpr DWORD kLongestPath = 32768;
  for (DWORD size = MAX_PATH; size <= 2 * kLongestPath; size *= 2) {
    std::wstring buffer(size, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) {
      buffer.resize(length);
      return std::filesystem::path(buffer);
    }
  }
  return {};
}
#else
std::filesystem::path ProgramFile() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return path;
}
#endif

std::filesystem::path ExeFolder(const std::filesystem::path& programFile) {
  // Appending an empty name adds the trailing delimiter.
  return programFile.parent_path() / "";
}

std::filesystem::path ExchangeFileName(const std::filesystem::path& exeFolder) {
  return exeFolder / "JWC_TEMP.TXT";
}

std::filesystem::path SettingsFileName(const std::filesystem::path& programFile) {
  std::filesystem::path settings = programFile;
  settings.replace_extension(".dat");
  return settings;
}

ProgramFiles ProgramFilesBeside(const std::filesystem::path& programFile) {
  return {ExchangeFileName(ExeFolder(programFile)), SettingsFileName(programFile)};
}

std::optional<ProgramFiles> FilesBesideRunningProgram() {
  try {
    const std::filesystem::path programFile = ProgramFile();
    if (programFile.empty()) return std::nullopt;
    return ProgramFilesBeside(programFile);
  } catch (...) {
    // Only building the paths can throw here, and only for want of memory (std::bad_alloc).
    // Without the paths there is no file to read or write.
    return std::nullopt;
  }
}

}  // namespace tq58
