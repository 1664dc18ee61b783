// Shift-JIS to UTF-8 through the C library's iconv, byte by byte past anything unreadable.
#include "preview/shift_jis_text.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace tq58::preview {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

struct IconvCloser {
  void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

}  // namespace

std::string ShiftJisToUtf8(std::string_view text) {
  std::string result;
  const iconv_t handle = iconv_open("UTF-8", "CP932");
  if (handle == reinterpret_cast<iconv_t>(-1)) {
    // Without the conversion table only ASCII is kept.
    for (char byte : text)
      result += static_cast<unsigned char>(byte) < 0x80 ? std::string(1, byte) : kReplacement;
    return result;
  }
  const std::unique_ptr<void, IconvCloser> closer(handle);

  std::string input(text);
  char* in = input.data();
  std::size_t inLeft = input.size();
  char buffer[256];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = iconv(handle, &in, &inLeft, &out, &outLeft);
    result.append(buffer, static_cast<std::size_t>(out - buffer));
    if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // An invalid or cut-off sequence: replace its first byte and go on after it.
      result += kReplacement;
      ++in;
      --inLeft;
    }
  }
  return result;
}

}  // namespace tq58::preview
