// Conversions of Shift-JIS texts (settings file, dialog fields, exchange file) to flags and
// numbers and back. None of them fails: an unreadable text gives false, 0 or 0.0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tq58::util {

// True for the first byte of a Shift-JIS double-byte character (0x80-0x9F, 0xE0-0xFD).
constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFD);
}

// The value 0..15 of a hexadecimal digit (either case); -1 for any other character.
int HexDigitValue(char c);

// The text without half-width blanks, control bytes and full-width spaces, anywhere in it.
std::string RemoveBlanks(std::string_view text);

// True for "T", "TR", "TRU", "TRUE", "1", "１", "○", "ON", "真", "正" (blanks ignored, any case).
bool TextToBool(std::string_view text);

// "1" for true, "0" for false.
std::string BoolToText(bool value);

// Decimal or "$"/"x"/"0x" hexadecimal 32-bit integer; 0 for anything malformed or out of range.
int32_t TextToInt(std::string_view text);

// Decimal real with "." as the point; 0.0 for anything malformed or beyond a double's range.
double TextToFloat(std::string_view text);

}  // namespace tq58::util
