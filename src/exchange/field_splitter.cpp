// One pass over the bytes of a line, writing the kept bytes of each field into a reused buffer.
#include "exchange/field_splitter.h"

#include "util/text_convert.h"

namespace JwwGaibu {
namespace {

constexpr unsigned char kQuote = 0x22;
constexpr unsigned char kEquals = 0x3D;
constexpr unsigned char kBlank = 0x20;
constexpr unsigned char kTab = 0x09;
constexpr unsigned char kLastKeptByte = 0xFD;

}  // namespace

void FieldSplitter::Split(std::string_view line) {
  // A field never holds more bytes than the line, so this is the only place that allocates.
  if (buffer_.size() < line.size()) buffer_.resize(line.size());
  char* const out = buffer_.data();
  std::size_t length = 0;      // bytes written to the buffer
  std::size_t fieldStart = 0;  // offset of the current field
  int current = 0;
  bool separating = true;

  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if (MyFunc::IsLeadByte(byte)) {
      if (i + 1 == line.size()) break;  // half a character at the end of the line
      out[length++] = line[i];
      out[length++] = line[++i];
      continue;
    }
    if (separating) {
      if (byte == kQuote) {
        separating = false;
        continue;
      }
      if (byte == kEquals) {
        out[length++] = line[i];
        separating = false;
        continue;
      }
      if (byte == kBlank || byte == kTab) {
        if (length == fieldStart) continue;    // no empty fields between blanks
        if (current == kMaxFields - 1) break;  // the table is full: drop the rest
        ends_[current++] = length;
        fieldStart = length;
        continue;
      }
    }
    if (byte >= kBlank && byte <= kLastKeptByte) out[length++] = line[i];
  }
  ends_[current] = length;
  count_ = current + 1;
}

std::string_view FieldSplitter::Field(int index) const {
  if (index < 0 || index >= count_) return {};
  const std::size_t start = index == 0 ? 0 : ends_[index - 1];
  return std::string_view(buffer_.data() + start, ends_[index] - start);
}

double FieldSplitter::Real(int index) const { return MyFunc::TextToFloat(Field(index)); }

int32_t FieldSplitter::Int(int index) const { return MyFunc::TextToInt(Field(index)); }

}  // namespace JwwGaibu
