// Splitting a line into fields: as slices of the line where possible, else by copying the kept
// bytes of each field into a reused buffer.
#include "exchange/field_splitter.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "util/text_convert.h"

namespace tq58::exchange {
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
    if (util::IsLeadByte(byte)) {
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

// Bit 7 of every byte of a 64-bit word, and every byte equal to `byte`.
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
constexpr std::uint64_t EveryByte(unsigned char byte) { return 0x0101010101010101ull * byte; }

// Bit 7 set in the byte of `word` that is zero, and possibly in bytes above it; the lowest set
// bit is always exact, as a borrow only runs upwards from a zero byte.
constexpr std::uint64_t ZeroBytes(std::uint64_t word) {
  return (word - EveryByte(1)) & ~word & kHighBits;
}

// The end of the run of kept bytes that starts at `i`. Eight bytes at a time while they are
// all plain ASCII (0x21-0x7F but the quote and the equals sign), which a number field is:
// this ends a field without a mispredicted branch per byte.
std::size_t EndOfKeptRun(std::string_view line, std::size_t i) {
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + sizeof(std::uint64_t) <= line.size(); i += sizeof(std::uint64_t)) {
      std::uint64_t word;
      std::memcpy(&word, line.data() + i, sizeof word);
      const std::uint64_t notPlain =
          (word & kHighBits) | ((word - EveryByte(0x21)) & ~word & kHighBits) |
          ZeroBytes(word ^ EveryByte(kQuote)) | ZeroBytes(word ^ EveryByte(kEquals));
      if (notPlain != 0) {
        i += static_cast<std::size_t>(std::countr_zero(notPlain)) / 8;
        break;
      }
    }
  }
  while (i < line.size() && RoleOf(line[i]) == ByteRole::Kept) ++i;
  return i;
}

// Once separating is off, every byte from 0x20 to 0xFD is kept, blanks and quotes included.
bool KeptAfterSeparating(unsigned char byte) { return byte >= kBlank && byte <= kLastKeptByte; }

}  // namespace

void FieldSplitter::Split(std::string_view line) {
  if (!SplitInPlace(line)) SplitIntoBuffer(line);
}

bool FieldSplitter::SplitInPlace(std::string_view line) {
  const std::size_t size = line.size();
  std::size_t fieldStart = 0;  // the current field is line[fieldStart, i)
  std::size_t i = 0;
  int current = 0;
  const auto finish = [&](std::size_t end) {
    fields_[static_cast<std::size_t>(current)] = line.substr(fieldStart, end - fieldStart);
    count_ = current + 1;
    return true;
  };

  // While blanks separate fields.
  bool separating = true;
  while (separating && i < size) {
    switch (RoleOf(line[i])) {
      case ByteRole::Kept:
        i = EndOfKeptRun(line, i + 1);
        break;
      case ByteRole::LeadByte:
        if (i + 1 == size) return finish(i);  // half a character at the end of the line
        i += 2;
        break;
      case ByteRole::Separator:
        if (i > fieldStart) {                               // no empty fields between blanks
          if (current == kMaxFields - 1) return finish(i);  // the table is full: drop the rest
          fields_[static_cast<std::size_t>(current++)] = line.substr(fieldStart, i - fieldStart);
        }
        fieldStart = ++i;
        break;
      case ByteRole::Quote:
        if (i > fieldStart) return false;  // the dropped quote would split the field's bytes
        fieldStart = ++i;
        separating = false;
        break;
      case ByteRole::Equals:
        ++i;  // kept, and the rest of the line joins this field
        separating = false;
        break;
      case ByteRole::Dropped:
        if (i > fieldStart) return false;
        fieldStart = ++i;
        break;
    }
  }

  // After a quote or an equals sign the rest of the line is one field, blanks included.
  while (i < size) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if (util::IsLeadByte(byte)) {
      if (i + 1 == size) break;  // half a character at the end of the line
      i += 2;
    } else if (KeptAfterSeparating(byte)) {
      ++i;
    } else {
      return false;
    }
  }
  return finish(i);
}

void FieldSplitter::SplitIntoBuffer(std::string_view line) {
  // A field never holds more bytes than the line, so this is the only place that allocates.
  if (buffer_.size() < line.size()) buffer_.resize(line.size());
  char* const out = buffer_.data();
  const std::size_t size = line.size();
  std::size_t length = 0;      // bytes written to the buffer
  std::size_t fieldStart = 0;  // offset of the current field in the buffer
  int current = 0;
  std::size_t i = 0;
  const auto endField = [&] {
    fields_[static_cast<std::size_t>(current)] =
        std::string_view(out + fieldStart, length - fieldStart);
  };

  // While blanks separate fields.
  bool separating = true;
  while (separating && i < size) {
    switch (RoleOf(line[i])) {
      case ByteRole::Kept:
        out[length++] = line[i++];
        break;
      case ByteRole::Separator:
        ++i;
        if (length == fieldStart) break;  // no empty fields between blanks
        if (current == kMaxFields - 1) {  // the table is full: drop the rest
          i = size;
          break;
        }
        endField();
        ++current;
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
    if (util::IsLeadByte(byte)) {
      if (i + 1 == size) break;  // half a character at the end of the line
      out[length++] = line[i++];
      out[length++] = line[i++];
    } else {
      if (KeptAfterSeparating(byte)) out[length++] = line[i];
      ++i;
    }
  }
  endField();
  count_ = current + 1;
}

std::string_view FieldSplitter::Field(int index) const {
  if (index < 0 || index >= count_) return {};
  return fields_[static_cast<std::size_t>(index)];
}

double FieldSplitter::Real(int index) const { return util::TextToFloat(Field(index)); }

int32_t FieldSplitter::Int(int index) const { return util::TextToInt(Field(index)); }

}  // namespace tq58::exchange
