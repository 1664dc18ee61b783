// A C stdio file opened by path; wide-character paths on Windows, so any folder name works.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

namespace tq58::util {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

enum class FileMode { Read, Write };

// Opens `path` in binary mode for reading (shared) or for writing (created or truncated);
// empty on failure.
FileHandle OpenFile(const std::filesystem::path& path, FileMode mode);

}  // namespace tq58::util
