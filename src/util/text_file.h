// Reading and replacing whole text files. Paths are std::filesystem paths, so a folder
// with Japanese characters works on Windows too.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace MyFunc {

enum class ReadResult {
  Missing,    // no file at the path
  Failed,     // could not be opened, or a read failed part way (lines before it were given)
  Complete,   // every line was given
};

// Calls `onLine` with each line of the file, without its line break. A line ends at LF; a CR
// anywhere in a line is dropped; a Ctrl-Z byte ends the file; lines have no length limit.
// `onLine` returns false to stop reading early (the result is then Complete).
ReadResult ForEachTextLine(const std::filesystem::path& path,
                           const std::function<bool(std::string_view)>& onLine);

// Replaces the file at `path` with `content`: writes a temporary file beside it, flushes it
// and renames it over the old one. On failure the old file is untouched, the temporary file
// is removed and the result is false.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view content);

}  // namespace MyFunc
