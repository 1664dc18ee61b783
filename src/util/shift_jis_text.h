// Conversion between the program's Shift-JIS bytes and the system's wide texts, always with
// code page 932, whatever code page the system is set to.
#pragma once

#include <string>
#include <string_view>

namespace tq58::util {

// Shift-JIS bytes as wide text (UTF-16 on Windows, UTF-32 elsewhere); a byte sequence that is
// not Shift-JIS becomes a replacement character: the code page's own on Windows, U+FFFD
// elsewhere.
std::wstring ShiftJisToWide(std::string_view bytes);

#ifdef _WIN32
// UTF-16 as Shift-JIS bytes; a character that Shift-JIS cannot hold becomes "?".
std::string WideToShiftJis(std::wstring_view text);
#endif

}  // namespace tq58::util
