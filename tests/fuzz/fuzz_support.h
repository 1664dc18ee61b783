// What the fuzz targets share: a scratch folder for the files they write and read, byte
// helpers, and a check that stops the run with a message when an invariant fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tq58::fuzz {

// The input bytes as text.
inline std::string_view AsText(const uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A path named `name` in this process's scratch folder, which is made on first use and
// removed at exit.
std::filesystem::path ScratchPath(std::string_view name);

// Replaces the file at `path` with `bytes` (aborts when that fails: the harness is broken).
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// The whole file at `path`; aborts when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// Calls `onLine` with each line of `bytes` the way the program's text files are read: lines
// end at LF, every CR is dropped, a Ctrl-Z ends the text, a last line without LF counts
// unless it is empty.
void ForEachLine(std::string_view bytes, const std::function<void(std::string_view)>& onLine);

// Stops the run (a crash for libFuzzer, so the input is kept) when `holds` is false.
void Require(bool holds, const char* invariant);

}  // namespace tq58::fuzz
