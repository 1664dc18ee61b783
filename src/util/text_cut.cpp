// Cutting Shift-JIS texts at a character boundary.
#include "util/text_cut.h"

#include "util/text_convert.h"

namespace tq58::util {

std::string_view CutToByteLimit(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t kept = 0;
  while (kept < limit) {
    // A lead byte with nothing after it is a character of its own.
    const bool pair = IsLeadByte(static_cast<unsigned char>(text[kept])) && kept + 1 < text.size();
    const std::size_t width = pair ? 2 : 1;
    if (kept + width > limit) break;
    kept += width;
  }
  return text.substr(0, kept);
}

}  // namespace tq58::util
