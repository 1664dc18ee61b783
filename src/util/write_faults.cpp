// The one armed write fault of the test hook; none in normal runs.
#include "util/write_faults.h"

namespace MyFunc {
namespace {

WriteFault armedFault;

}  // namespace

ScopedWriteFault::ScopedWriteFault(WriteFault fault) : previous_(armedFault) { armedFault = fault; }

ScopedWriteFault::~ScopedWriteFault() { armedFault = previous_; }

WriteFault ArmedWriteFault() { return armedFault; }

}  // namespace MyFunc
