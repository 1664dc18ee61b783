// Code page 932 conversions: Windows' own where the program runs, the C library's iconv
// elsewhere (for the tools).
#include "util/shift_jis_text.h"

#ifdef _WIN32
#include <windows.h>

#include <climits>
#else
#include <iconv.h>

#include <cerrno>
#include <memory>
#endif

namespace tq58::util {

#ifdef _WIN32
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
#else
namespace {

constexpr wchar_t kReplacement = L'\uFFFD';

struct IconvCloser {
  void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

}  // namespace

std::wstring ShiftJisToWide(std::string_view bytes) {
  std::wstring text;
  const iconv_t handle = iconv_open("WCHAR_T", "CP932");
  if (handle == reinterpret_cast<iconv_t>(-1)) {
    // Without the conversion table only ASCII is kept.
    for (char byte : bytes)
      text += static_cast<unsigned char>(byte) < 0x80 ? static_cast<wchar_t>(byte) : kReplacement;
    return text;
  }
  const std::unique_ptr<void, IconvCloser> closer(handle);

  std::string input(bytes);
  char* in = input.data();
  std::size_t inLeft = input.size();
  wchar_t buffer[256];
  while (inLeft > 0) {
    char* out = reinterpret_cast<char*>(buffer);
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = iconv(handle, &in, &inLeft, &out, &outLeft);
    text.append(buffer, (sizeof buffer - outLeft) / sizeof(wchar_t));
    if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // An invalid or cut-off sequence: replace its first byte and go on after it.
      text += kReplacement;
      ++in;
      --inLeft;
    }
  }
  return text;
}
#endif

}  // namespace tq58::util
