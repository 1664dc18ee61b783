// Where the program finds its files: beside its own program file, never through the
// working directory.
#pragma once

#include <filesystem>

namespace tq58 {

// Full path of the running program's own file; empty when the system cannot tell it.
std::filesystem::path ProgramFile();

// The folder of `programFile`, ending in its path delimiter.
std::filesystem::path ExeFolder(const std::filesystem::path& programFile);

// The exchange file "JWC_TEMP.TXT" in `exeFolder`.
std::filesystem::path ExchangeFileName(const std::filesystem::path& exeFolder);

// `programFile` with its extension replaced by ".dat" (appended when it has none).
std::filesystem::path SettingsFileName(const std::filesystem::path& programFile);

}  // namespace tq58
