// Where the program finds its files: beside its own program file, never through the
// working directory.
#pragma once

#include <filesystem>
#include <optional>

namespace tq58 {

// Full path of the running program's own file; empty when the system cannot tell it.
std::filesystem::path ProgramFile();

// The folder of `programFile`, ending in its path delimiter.
std::filesystem::path ExeFolder(const std::filesystem::path& programFile);

// The exchange file "JWC_TEMP.TXT" in `exeFolder`.
std::filesystem::path ExchangeFileName(const std::filesystem::path& exeFolder);

// `programFile` with its extension replaced by ".dat" (appended when it has none).
std::filesystem::path SettingsFileName(const std::filesystem::path& programFile);

// The two files a run reads and writes.
struct ProgramFiles {
  std::filesystem::path ExchangeFile;
  std::filesystem::path SettingsFile;
};

// The files beside the program file: "JWC_TEMP.TXT" and the program's name with ".dat".
ProgramFiles ProgramFilesBeside(const std::filesystem::path& programFile);

// The files beside the running program, as both run modes find them. Empty when the program
// cannot tell its own path (the files are then never looked for in the working directory) or
// runs out of memory building them. Never throws.
std::optional<ProgramFiles> FilesBesideRunningProgram();

}  // namespace tq58
