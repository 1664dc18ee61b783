// Making writes and reads fail for real: a file-size limit that the system enforces at any
// byte, no file descriptor left, a small tmpfs that really fills up or is read-only, a file
// that cannot be replaced because something is mounted on it, and files the system will not
// read.
#pragma once

#include <sys/resource.h>

#include <cstddef>
#include <filesystem>

namespace tq58::faults {

// Files that are there but that the system refuses to read, even to root. A link to one
// stands for an unreadable file; a rename over the link replaces the link, not the file.
// Only to be written (mode 0200): opening it to read fails (EACCES).
inline const std::filesystem::path kWriteOnlyFile = "/proc/sys/vm/drop_caches";
// Opens, but its first read fails (EIO): no process maps the first page of its memory.
inline const std::filesystem::path kFailingReadFile = "/proc/self/mem";

// While an instance lives, the system refuses to write any file of this process beyond
// `bytes` (the write fails with EFBIG instead of raising SIGXFSZ).
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(std::size_t bytes);
  ~ScopedFileSizeLimit();
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

// While an instance lives, this process can open no file (EMFILE).
class ScopedNoFileDescriptors {
 public:
  ScopedNoFileDescriptors();
  ~ScopedNoFileDescriptors();
  ScopedNoFileDescriptors(const ScopedNoFileDescriptors&) = delete;
  ScopedNoFileDescriptors& operator=(const ScopedNoFileDescriptors&) = delete;

 private:
  rlimit previous_{};
};

// A 64 KiB tmpfs mounted at a folder for the life of the instance. Mounting needs root (or
// CAP_SYS_ADMIN); without it Mounted() is false and the folder is an ordinary one.
class SmallTmpfs {
 public:
  static constexpr std::size_t kPageSize = 4096;  // tmpfs hands out space in pages

  explicit SmallTmpfs(const std::filesystem::path& folder);
  ~SmallTmpfs();
  SmallTmpfs(const SmallTmpfs&) = delete;
  SmallTmpfs& operator=(const SmallTmpfs&) = delete;

  bool Mounted() const { return mounted_; }
  const std::filesystem::path& Folder() const { return folder_; }

  // Fills the file system with a filler file, then frees `freePages` pages of it.
  void LeaveFree(std::size_t freePages);
  // Mounts it again read-only (EROFS for every write); false when that fails.
  bool MakeReadOnly();

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
};

// A file bind-mounted on itself for the life of the instance: it reads as before, but a rename
// over it fails (EBUSY), as over a file that another program holds. Needs root, as above.
class ScopedMountedFile {
 public:
  explicit ScopedMountedFile(const std::filesystem::path& file);
  ~ScopedMountedFile();
  ScopedMountedFile(const ScopedMountedFile&) = delete;
  ScopedMountedFile& operator=(const ScopedMountedFile&) = delete;

  bool Mounted() const { return mounted_; }

 private:
  std::filesystem::path file_;
  bool mounted_ = false;
};

}  // namespace tq58::faults
