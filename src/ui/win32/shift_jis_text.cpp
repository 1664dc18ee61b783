// Code page 932 conversions at the boundary between the core and the Win32 controls.
#include "ui/win32/shift_jis_text.h"

#include <windows.h>

#include <climits>

namespace tq58::ui::win32 {
namespace {

constexpr UINT kShiftJisCodePage = 932;

// The Win32 conversions take int lengths; longer texts are cut there (no control holds one).
int ClampedLength(std::size_t length) {
  return length > static_cast<std::size_t>(INT_MAX / 2) ? INT_MAX / 2 : static_cast<int>(length);
}

}  // namespace

std::wstring ShiftJisToWide(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = ClampedLength(bytes.size());
  const int needed = MultiByteToWideChar(kShiftJisCodePage, 0, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring text(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(kShiftJisCodePage, 0, bytes.data(), length, text.data(), needed);
  return text;
}

std::string WideToShiftJis(std::wstring_view text) {
  if (text.empty()) return {};
  // No "best fit" guesses (such as an accented letter turned into a plain one): a character
  // without a Shift-JIS code is stored as the one defined replacement.
  constexpr DWORD kFlags = WC_NO_BEST_FIT_CHARS;
  static const char kReplacement[] = "?";
  const int length = ClampedLength(text.size());
  const int needed = WideCharToMultiByte(kShiftJisCodePage, kFlags, text.data(), length, nullptr, 0,
                                         kReplacement, nullptr);
  if (needed <= 0) return {};
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kShiftJisCodePage, kFlags, text.data(), length, bytes.data(), needed,
                      kReplacement, nullptr);
  return bytes;
}

}  // namespace tq58::ui::win32
