// Why a write or a read failed: the system's error as the program captured it, and what it
// means for the user. Used by the file replacement and the line reader.
#pragma once

#include "util/text_file.h"

namespace tq58::util {

// An error of a failed system call: the C library's errno, and on Windows also the system's
// own error code where the call gave one (0 when only errno is known; always 0 elsewhere).
struct SystemError {
  int Errno = 0;
  unsigned long WindowsCode = 0;
};

// Forgets the last error, so that the next failure reports its own.
void ClearSystemError();

// The error of the C library or system call that has just failed.
SystemError LastSystemError();

// The write failure that `error` means, with the system's text for it.
WriteResult FailureOf(const SystemError& error);

// The read failure that `error` means, with the system's text for it.
ReadResult ReadFailureOf(const SystemError& error);

}  // namespace tq58::util
