// The reasons behind a failed write or read: errno on every platform, and on Windows the
// system's own error code, which tells a file held by another program from a protected one.
#include "util/write_faults.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include "util/system_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tq58::util {
namespace {

WriteFailure FailureOfErrno(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
      return WriteFailure::WriteProtected;
    case EBUSY:
    case ETXTBSY:
      return WriteFailure::InUse;
    case ENOSPC:
    case EFBIG:  // beyond the size the system allows this process, as good as full
#ifdef EDQUOT
    case EDQUOT:
#endif
      return WriteFailure::DiskFull;
    case ENOENT:
    case ENOTDIR:
      return WriteFailure::FolderMissing;
    case EISDIR:
      return WriteFailure::FolderInTheWay;
    default:
      return WriteFailure::Other;
  }
}

// Reading knows fewer reasons: a missing file and a folder at the path are told apart before
// the file is opened, and nothing fills up.
ReadFailure ReadFailureOfErrno(int error) {
  return error == EACCES || error == EPERM ? ReadFailure::AccessDenied : ReadFailure::Other;
}

#ifdef _WIN32
// ERROR_DISK_QUOTA_EXCEEDED, which MinGW's headers lack.
constexpr unsigned long kDiskQuotaExceeded = 1295;

WriteFailure FailureOfWindowsCode(unsigned long code) {
  switch (code) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return WriteFailure::WriteProtected;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return WriteFailure::InUse;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kDiskQuotaExceeded:
      return WriteFailure::DiskFull;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return WriteFailure::FolderMissing;
    default:
      return WriteFailure::Other;
  }
}

ReadFailure ReadFailureOfWindowsCode(unsigned long code) {
  switch (code) {
    case ERROR_ACCESS_DENIED:
      return ReadFailure::AccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return ReadFailure::InUse;
    default:
      return ReadFailure::Other;
  }
}
#endif

// The system's text for `error`; none for a step that failed without saying why.
std::string ErrnoText(int error) {
  return error == 0 ? "" : std::generic_category().message(error);
}

}  // namespace

void ClearSystemError() {
  errno = 0;
#ifdef _WIN32
  _doserrno = 0;
  SetLastError(ERROR_SUCCESS);
#endif
}

SystemError LastSystemError() {
#ifdef _WIN32
  // The C library keeps the system's code of its last failure in _doserrno; a failure it
  // found by itself (a write that wrote nothing) leaves that 0 and sets errno only.
  return {errno, _doserrno};
#else
  return {errno, 0};
#endif
}

WriteResult FailureOf(const SystemError& error) {
#ifdef _WIN32
  if (error.WindowsCode != 0) {
    return {FailureOfWindowsCode(error.WindowsCode), WindowsErrorText(error.WindowsCode)};
  }
#endif
  return {FailureOfErrno(error.Errno), ErrnoText(error.Errno)};
}

ReadResult ReadFailureOf(const SystemError& error) {
#ifdef _WIN32
  if (error.WindowsCode != 0) {
    return {ReadFailureOfWindowsCode(error.WindowsCode), WindowsErrorText(error.WindowsCode)};
  }
#endif
  return {ReadFailureOfErrno(error.Errno), ErrnoText(error.Errno)};
}

}  // namespace tq58::util
