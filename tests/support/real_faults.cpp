// The real faults of the write tests: system limits and mounts.
#include "support/real_faults.h"

#include <sys/mount.h>

#include <csignal>
#include <fstream>
#include <string>
#include <system_error>

namespace tq58::faults {

ScopedFileSizeLimit::ScopedFileSizeLimit(std::size_t bytes) {
  getrlimit(RLIMIT_FSIZE, &previous_);
  previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = previous_;
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  setrlimit(RLIMIT_FSIZE, &limit);
}

ScopedFileSizeLimit::~ScopedFileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &previous_);
  std::signal(SIGXFSZ, previousHandler_);
}

ScopedNoFileDescriptors::ScopedNoFileDescriptors() {
  getrlimit(RLIMIT_NOFILE, &previous_);
  rlimit none = previous_;
  none.rlim_cur = 0;
  setrlimit(RLIMIT_NOFILE, &none);
}

ScopedNoFileDescriptors::~ScopedNoFileDescriptors() { setrlimit(RLIMIT_NOFILE, &previous_); }

SmallTmpfs::SmallTmpfs(const std::filesystem::path& folder) : folder_(folder) {
  std::filesystem::create_directories(folder_);
  mounted_ = mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0;
}

SmallTmpfs::~SmallTmpfs() {
  if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
}

void SmallTmpfs::LeaveFree(std::size_t freePages) {
  const std::filesystem::path filler = folder_ / "filler";
  {
    std::ofstream out(filler, std::ios::binary | std::ios::app);
    const std::string page(kPageSize, 'f');
    while (out.write(page.data(), static_cast<std::streamsize>(page.size())) && out.flush()) {
    }
  }
  // Whole pages only: a partly used last page would leave more room than asked for.
  std::error_code error;
  const std::uintmax_t pages = std::filesystem::file_size(filler, error) / kPageSize;
  const std::uintmax_t kept = pages > freePages ? pages - freePages : 0;
  std::filesystem::resize_file(filler, kept * kPageSize, error);
}

bool SmallTmpfs::MakeReadOnly() {
  return mounted_ &&
         mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
}

ScopedMountedFile::ScopedMountedFile(const std::filesystem::path& file) : file_(file) {
  mounted_ = mount(file_.c_str(), file_.c_str(), nullptr, MS_BIND, nullptr) == 0;
}

ScopedMountedFile::~ScopedMountedFile() {
  if (mounted_) umount2(file_.c_str(), MNT_DETACH);
}

}  // namespace tq58::faults
