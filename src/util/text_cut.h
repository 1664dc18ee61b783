// Cutting Shift-JIS texts to a byte limit without splitting a double-byte character.
#pragma once

#include <cstddef>
#include <string_view>

namespace tq58::util {

// The longest start of `text` of at most `limit` bytes that does not end in the first byte of
// a double-byte character: a pair that would straddle the limit is left out whole.
std::string_view CutToByteLimit(std::string_view text, std::size_t limit);

}  // namespace tq58::util
