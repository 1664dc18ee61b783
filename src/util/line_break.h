// The line break of every file the program writes and of the dialog's multi-line help text.
#pragma once

namespace MyFunc {

// CR LF, as the host and Windows' multi-line edit controls expect.
inline constexpr char kLineBreak[] = "\r\n";

}  // namespace MyFunc
