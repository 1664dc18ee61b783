// Splitting one exchange-file line into its blank-separated fields.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tq58::exchange {

// Splits lines into at most 32 fields. A field is a view into the line itself where it is a
// plain slice of it, which is nearly always; only a line with a byte to drop from inside a
// field is copied, into one buffer reused from line to line. A view stays valid until the
// next Split and while the line it was split from lives.
class FieldSplitter {
 public:
  static constexpr int kMaxFields = 32;

  // Splits `line` (without its line break):
  // - a Shift-JIS lead byte (0x80-0x9F, 0xE0-0xFD) and the byte after it always go together
  //   into the current field; a lead byte that ends the line is dropped;
  // - blanks and tabs separate fields, runs of them count as one;
  // - a double quote (dropped) or an equals sign (kept) switches separating off for the rest
  //   of the line, so the rest stays in one field, blanks included;
  // - bytes below 0x20 (tabs once separating is off) and the bytes 0xFE, 0xFF are dropped.
  // When a 33rd field would begin, the rest of the line is dropped.
  void Split(std::string_view line);

  // The field count: the number of the last field plus one, so a line that ends in blanks
  // has an empty last field. At least 1.
  int Count() const { return count_; }

  // Field `index` (0-based); empty for an index outside 0..Count()-1.
  std::string_view Field(int index) const;

  // Field `index` converted with TextToFloat or TextToInt: 0 when it is no number or absent.
  double Real(int index) const;
  int32_t Int(int index) const;

  // True for a line without any field: empty, or blanks and dropped bytes only.
  bool IsBlank() const { return count_ == 1 && fields_[0].empty(); }

 private:
  // The fields as slices of `line`; false when a field would need a byte dropped from it.
  bool SplitInPlace(std::string_view line);
  // The fields copied into buffer_ byte by byte; takes every line.
  void SplitIntoBuffer(std::string_view line);

  std::string buffer_;  // the kept bytes of a line that SplitInPlace cannot take
  std::array<std::string_view, kMaxFields> fields_{};
  int count_ = 1;
};

}  // namespace tq58::exchange
