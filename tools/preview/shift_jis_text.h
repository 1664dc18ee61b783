// Shift-JIS texts of the host's files, made readable in UTF-8 for the SVG.
#pragma once

#include <string>
#include <string_view>

namespace tq58::preview {

// The UTF-8 form of a Shift-JIS (code page 932) text; a byte that does not convert becomes
// U+FFFD, the replacement character.
std::string ShiftJisToUtf8(std::string_view text);

}  // namespace tq58::preview
