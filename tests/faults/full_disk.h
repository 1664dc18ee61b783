// Making writes fail the way a full disk does: a file-size limit that the system enforces at
// any byte, and a small tmpfs that really fills up.
#pragma once

#include <sys/resource.h>

#include <cstddef>
#include <filesystem>

namespace tq58::faults {

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

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
};

}  // namespace tq58::faults
