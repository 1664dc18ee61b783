// Conversion between the core's Shift-JIS bytes and the UTF-16 of the Win32 controls, always
// with code page 932, whatever code page the system is set to.
#pragma once

#include <string>
#include <string_view>

namespace tq58::ui::win32 {

// Shift-JIS bytes as UTF-16; a byte sequence that is not Shift-JIS becomes the code page's
// replacement character.
std::wstring ShiftJisToWide(std::string_view bytes);

// UTF-16 as Shift-JIS bytes; a character that Shift-JIS cannot hold becomes "?".
std::string WideToShiftJis(std::wstring_view text);

}  // namespace tq58::ui::win32
