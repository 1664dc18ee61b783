// Replacing a whole file safely: write a temporary file beside it, flush and close it with
// checks, then rename it over the target, so that readers see the old or the new contents.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>
#include <utility>

#include "util/file_handle.h"
#include "util/text_file.h"
#include "util/write_faults.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace MyFunc {
namespace {

// Names tried for the temporary file before giving up (each is taken only if it is free).
constexpr int kTemporaryNameAttempts = 100;

int ProcessId() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<int>(getpid());
#endif
}

// Creates a new file for writing; fails (errno EEXIST) when the name is taken, so that a
// file that happens to bear the name is never overwritten.
FileHandle CreateNewFile(const std::filesystem::path& path) {
#ifdef _WIN32
  const int fd =
      _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return {};
  FileHandle file(_fdopen(fd, "wb"));
  if (!file) _close(fd);
#else
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return {};
  FileHandle file(fdopen(fd, "wb"));
  if (!file) close(fd);
#endif
  return file;
}

// Creates a temporary file beside `target` with a name no other file has; its path goes to
// `temporary`.
FileHandle CreateTemporaryBeside(const std::filesystem::path& target,
                                 std::filesystem::path& temporary) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%d-%u.tmp", ProcessId(), counter++);
    temporary = target;
    temporary += suffix;
    errno = 0;
    if (FileHandle file = CreateNewFile(temporary)) return file;
    if (errno != EEXIST) break;
  }
  return {};
}

bool WriteAll(std::FILE* file, std::string_view content, const WriteFault& fault) {
  if (fault.step == WriteFaultStep::Write) {
    const std::size_t partial = std::min(fault.byteOffset, content.size());
    std::fwrite(content.data(), 1, partial, file);
    return false;
  }
  return std::fwrite(content.data(), 1, content.size(), file) == content.size();
}

// Moves `from` over `to`, replacing a file that is there.
bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
  // _wrename, like rename, refuses to replace an existing file on Windows.
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

// Writes, flushes and closes the temporary file; false at the first step that fails.
bool FillAndClose(FileHandle file, std::string_view content, const WriteFault& fault) {
  const bool written = WriteAll(file.get(), content, fault) &&
                       fault.step != WriteFaultStep::Flush && std::fflush(file.get()) == 0;
  // Closing flushes again, so its result counts as well.
  const bool closed = std::fclose(file.release()) == 0 && fault.step != WriteFaultStep::Close;
  return written && closed;
}

}  // namespace

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view content) {
  const WriteFault fault = ArmedWriteFault();
  if (fault.step == WriteFaultStep::Create) return false;
  std::filesystem::path temporary;
  FileHandle file = CreateTemporaryBeside(path, temporary);
  if (!file) return false;
  if (FillAndClose(std::move(file), content, fault) && fault.step != WriteFaultStep::Rename &&
      RenameOver(temporary, path)) {
    return true;
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return false;
}

}  // namespace MyFunc
