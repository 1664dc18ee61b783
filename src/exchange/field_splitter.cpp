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

// What a byte does while blanks still separate fields.
enum class ByteRole : unsigned char { Kept, Separator, Quote, Equals, LeadByte, Dropped };

// One lookup per byte instead of a chain of range tests: most bytes of a line are Kept.
constexpr std::array<ByteRole, 256> MakeByteRoles() {
  std::array<ByteRole, 256> roles{};
  for (std::size_t b = 0; b < roles.size(); ++b) {
    const auto byte = static_cast<unsigned char>(b);
    if (MyFunc::IsLeadByte(byte)) {
      roles[b] = ByteRole::LeadByte;
    } else if (byte == kBlank || byte == kTab) {
      roles[b] = ByteRole::Separator;
    } else if (byte == kQuote) {
      roles[b] = ByteRole::Quote;
    } else if (byte == kEquals) {
      roles[b] = ByteRole::Equals;
    } else if (byte > kBlank && byte <= kLastKeptByte) {
      roles[b] = ByteRole::Kept;
    } else {
      roles[b] = ByteRole::Dropped;
    }
  }
  return roles;
}
constexpr std::array<ByteRole, 256> kByteRoles = MakeByteRoles();

ByteRole RoleOf(char c) { return kByteRoles[static_cast<unsigned char>(c)]; }

}  // namespace

void FieldSplitter::Split(std::string_view line) {
  // A field never holds more bytes than the line, so this is the only place that allocates.
  if (buffer_.size() < line.size()) buffer_.resize(line.size());
  char* const out = buffer_.data();
  const std::size_t size = line.size();
  std::size_t length = 0;      // bytes written to the buffer
  std::size_t fieldStart = 0;  // offset of the current field
  int current = 0;
  std::size_t i = 0;

  // While blanks separate fields.
  bool separating = true;
  while (separating && i < size) {
    switch (RoleOf(line[i])) {
      case ByteRole::Kept:
        // Copy the whole run of kept bytes before looking at roles again.
        do {
          out[length++] = line[i++];
        } while (i < size && RoleOf(line[i]) == ByteRole::Kept);
        break;
      case ByteRole::Separator:
        ++i;
        if (length == fieldStart) break;  // no empty fields between blanks
        if (current == kMaxFields - 1) {  // the table is full: drop the rest
          i = size;
          break;
        }
        ends_[current++] = length;
        fieldStart = length;
        break;
      case ByteRole::Quote:
        ++i;  // dropped
        separating = false;
        break;
      case ByteRole::Equals:
        out[length++] = line[i++];
        separating = false;
        break;
      case ByteRole::LeadByte:
        if (i + 1 == size) {  // half a character at the end of the line
          i = size;
          break;
        }
        out[length++] = line[i++];
        out[length++] = line[i++];
        break;
      case ByteRole::Dropped:
        ++i;
        break;
    }
  }

  // After a quote or an equals sign the rest of the line is one field, blanks included.
  while (i < size) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if (MyFunc::IsLeadByte(byte)) {
      if (i + 1 == size) break;  // half a character at the end of the line
      out[length++] = line[i++];
      out[length++] = line[i++];
    } else {
      if (byte >= kBlank && byte <= kLastKeptByte) out[length++] = line[i];
      ++i;
    }
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
