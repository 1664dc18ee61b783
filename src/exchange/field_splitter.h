// Splitting one exchange-file line into its blank-separated fields.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace JwwGaibu {

// Splits lines into at most 32 fields. The fields are views into one buffer that is reused
// from line to line, so splitting allocates only when a line is longer than any before it.
// A view stays valid until the next Split.
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
  bool IsBlank() const { return count_ == 1 && ends_[0] == 0; }

 private:
  std::string buffer_;  // the kept bytes of every field, one after the other
  std::array<std::size_t, kMaxFields> ends_{};  // end offset of each field in buffer_
  int count_ = 1;
};

}  // namespace JwwGaibu
