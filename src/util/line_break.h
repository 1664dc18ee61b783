// The line break of every file the program writes and of the dialog's multi-line texts.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tq58::util {

// CR LF, as the host and Windows' multi-line edit controls expect.
inline constexpr char kLineBreak[] = "\r\n";

// `lines` with kLineBreak between each two, none after the last.
std::string JoinedLines(std::span<const std::string_view> lines);

}  // namespace tq58::util
