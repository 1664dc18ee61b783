// Paths and system messages as Shift-JIS, always through code page 932 on Windows, whatever
// code page the system is set to.
#include "util/system_text.h"

#ifdef _WIN32
#include <windows.h>

#include <string_view>

#include "util/shift_jis_text.h"
#endif

namespace tq58::util {

#ifdef _WIN32
std::string PathText(const std::filesystem::path& path) { return WideToShiftJis(path.native()); }

std::string WindowsErrorText(unsigned long code) {
  wchar_t buffer[512] = {};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, 512, nullptr);
  while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n')) --length;
  if (length == 0) return "error " + std::to_string(code);
  return WideToShiftJis(std::wstring_view(buffer, length));
}
#else
std::string PathText(const std::filesystem::path& path) { return path.string(); }
#endif

}  // namespace tq58::util
