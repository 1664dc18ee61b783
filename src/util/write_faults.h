// Test hook: makes the next file replacements fail at a chosen step, so that tests can check
// that a failed write never leaves a partly written or missing file behind.
#pragma once

#include <cstddef>

namespace MyFunc {

// The step of ReplaceFileContents that is made to fail.
enum class WriteFaultStep {
  None,
  Create,  // the temporary file cannot be created
  Write,   // writing stops after `byteOffset` bytes (at most the whole content)
  Flush,   // flushing the written bytes fails
  Close,   // closing the temporary file fails
  Rename,  // moving the temporary file over the target fails
};

struct WriteFault {
  WriteFaultStep step = WriteFaultStep::None;
  std::size_t byteOffset = 0;  // for WriteFaultStep::Write only
};

// While an instance lives, every ReplaceFileContents call fails at its step; when it ends,
// the fault armed before it (normally none) is armed again.
class ScopedWriteFault {
 public:
  explicit ScopedWriteFault(WriteFault fault);
  ~ScopedWriteFault();
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;

 private:
  WriteFault previous_;
};

// The fault armed now; step None in the program.
WriteFault ArmedWriteFault();

}  // namespace MyFunc
