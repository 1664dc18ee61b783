// Test helper: UTF-8 text to Shift-JIS (code page 932) bytes through the C library's iconv,
// so that expected texts can be written readably and checked independently of the code.
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace tq58::ui::testing {

inline std::string Sjis(std::string_view utf8) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 in iconv");
  std::string in(utf8);
  std::string out(in.size() * 2 + 1, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible");
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace tq58::ui::testing
