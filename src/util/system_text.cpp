// Paths and system messages as Shift-JIS, always through code page 932 on Windows, whatever
// code page the system is set to.
#include "util/system_text.h"

#ifdef _WIN32
#include <windows.h>

#include <climits>
#include <string_view>
#endif

namespace MyFunc {

#ifdef _WIN32
namespace {

constexpr UINT kShiftJisCodePage = 932;

std::string WideToCodePage932(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX / 2) return {};
  const int length = static_cast<int>(text.size());
  // No "best fit" guesses: a character without a Shift-JIS code becomes the replacement.
  const int needed = WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, text.data(),
                                         length, nullptr, 0, "?", nullptr);
  if (needed <= 0) return {};
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(),
                      needed, "?", nullptr);
  return bytes;
}

}  // namespace

std::string PathText(const std::filesystem::path& path) { return WideToCodePage932(path.native()); }

std::string WindowsErrorText(unsigned long code) {
  wchar_t buffer[512] = {};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, 512, nullptr);
  while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n')) --length;
  if (length == 0) return "error " + std::to_string(code);
  return WideToCodePage932(std::wstring_view(buffer, length));
}
#else
std::string PathText(const std::filesystem::path& path) { return path.string(); }
#endif

}  // namespace MyFunc
