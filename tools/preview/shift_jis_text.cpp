// Shift-JIS to UTF-8: the core's code page 932 conversion, then each character in UTF-8.
#include "preview/shift_jis_text.h"

#include <cstdint>

#include "util/shift_jis_text.h"

namespace tq58::preview {

std::string ShiftJisToUtf8(std::string_view text) {
  std::string utf8;
  for (const wchar_t character : util::ShiftJisToWide(text)) {
    const auto code = static_cast<uint32_t>(character);
    // Code page 932 holds characters of the Basic Multilingual Plane only: three bytes at most.
    if (code < 0x80) {
      utf8 += static_cast<char>(code);
      continue;
    }
    if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | code >> 6);
    } else {
      utf8 += static_cast<char>(0xE0 | code >> 12);
      utf8 += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    }
    utf8 += static_cast<char>(0x80 | (code & 0x3F));
  }
  return utf8;
}

}  // namespace tq58::preview
