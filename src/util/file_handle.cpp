// Opening files by std::filesystem path on both platforms.
#include "util/file_handle.h"

namespace tq58::util {

FileHandle OpenFile(const std::filesystem::path& path, FileMode mode) {
#ifdef _WIN32
  return FileHandle(_wfopen(path.c_str(), mode == FileMode::Read ? L"rb" : L"wb"));
#else
  return FileHandle(std::fopen(path.c_str(), mode == FileMode::Read ? "rb" : "wb"));
#endif
}

}  // namespace tq58::util
