// Replacing a whole file safely: write a temporary file beside it, flush and close it with
// checks, then rename it over the target, so that readers see the old or the new contents.
// A failure is reported with the error of the step that failed.
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

namespace tq58::util {
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
    ClearSystemError();
    if (FileHandle file = CreateNewFile(temporary)) return file;
    if (errno != EEXIST) break;
  }
  return {};
}

// Moves the written bytes from the system's cache to the disk.
bool FlushToDisk(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;  // FlushFileBuffers
#else
  return fsync(fileno(file)) == 0;
#endif
}

// Writes, flushes and closes the temporary file; the failure of the first step that fails.
WriteResult FillAndClose(FileHandle file, std::string_view content, Durability durability) {
  WriteResult result;
  ClearSystemError();
  if (std::fwrite(content.data(), 1, content.size(), file.get()) != content.size() ||
      std::fflush(file.get()) != 0 ||
      (durability == Durability::OnDisk && !FlushToDisk(file.get()))) {
    result = FailureOf(LastSystemError());
  }
  // Closing flushes again, so its result counts as well.
  ClearSystemError();
  if (std::fclose(file.release()) != 0 && result) result = FailureOf(LastSystemError());
  return result;
}

// Moves `from` over `to`, replacing a file that is there; with OnDisk, returns once the move
// itself is on the disk where the system offers that.
WriteResult RenameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                       Durability durability) {
#ifdef _WIN32
  // _wrename, like rename, refuses to replace an existing file on Windows.
  const DWORD flags =
      MOVEFILE_REPLACE_EXISTING | (durability == Durability::OnDisk ? MOVEFILE_WRITE_THROUGH : 0);
  if (MoveFileExW(from.c_str(), to.c_str(), flags) != 0) return {};
  WriteResult result = FailureOf({0, GetLastError()});
#else
  (void)durability;  // the folder is flushed after the move, see FlushFolderOf
  ClearSystemError();
  if (std::rename(from.c_str(), to.c_str()) == 0) return {};
  WriteResult result = FailureOf(LastSystemError());
#endif
  // Windows reports a folder at the path as "access denied", which would send the user
  // looking for a protection that is not there.
  std::error_code ignored;
  if (std::filesystem::is_directory(to, ignored)) result.Failure = WriteFailure::FolderInTheWay;
  return result;
}

// On Linux a renamed file's new name reaches the disk with its folder, so the folder is
// flushed too. Its result is not checked: the new file is in place by now, and some file
// systems refuse to flush a folder.
void FlushFolderOf([[maybe_unused]] const std::filesystem::path& file) {
#ifndef _WIN32
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
#endif
}

}  // namespace

WriteResult ReplaceFileContents(const std::filesystem::path& path, std::string_view content,
                                Durability durability) {
  std::filesystem::path temporary;
  FileHandle file = CreateTemporaryBeside(path, temporary);
  if (!file) return FailureOf(LastSystemError());
  WriteResult result = FillAndClose(std::move(file), content, durability);
  if (result) result = RenameOver(temporary, path, durability);
  if (result) {
    if (durability == Durability::OnDisk) FlushFolderOf(path);
    return result;
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return result;
}

}  // namespace tq58::util
