// Lines joined into one text with the program's line break.
#include "util/line_break.h"

namespace tq58::util {

std::string JoinedLines(std::span<const std::string_view> lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kLineBreak;
    text += lines[i];
  }
  return text;
}

}  // namespace tq58::util
