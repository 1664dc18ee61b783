// The floor for reading an exchange file: reads it in blocks and converts every
// blank-separated field of every line with std::from_chars, and nothing else.
//
//   tq58_number_floor PATH
//
// Prints the number of fields that converted and their sum, so that no work can be left out.
#include <charconv>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kBlockSize = 1 << 16;  // the reader's block size

struct Totals {
  unsigned long long numbers = 0;
  double sum = 0.0;
};

void ConvertFields(std::string_view line, Totals& totals) {
  const char* p = line.data();
  const char* const end = p + line.size();
  while (p < end) {
    while (p < end && (*p == ' ' || *p == '\r')) ++p;
    const char* fieldEnd = p;
    while (fieldEnd < end && *fieldEnd != ' ' && *fieldEnd != '\r') ++fieldEnd;
    if (fieldEnd == p) break;
    double value = 0.0;
    if (std::from_chars(p, fieldEnd, value).ec == std::errc{}) {
      ++totals.numbers;
      totals.sum += value;
    }
    p = fieldEnd;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s PATH\n", argv[0]);
    return 2;
  }
  std::FILE* file = std::fopen(argv[1], "rb");
  if (file == nullptr) return 1;
  const auto block = std::make_unique<char[]>(kBlockSize);
  std::string carry;  // the start of a line that crosses a block boundary
  Totals totals;
  for (std::size_t count; (count = std::fread(block.get(), 1, kBlockSize, file)) > 0;) {
    std::string_view rest(block.get(), count);
    for (std::size_t lf; (lf = rest.find('\n')) != std::string_view::npos;) {
      if (carry.empty()) {
        ConvertFields(rest.substr(0, lf), totals);
      } else {
        carry.append(rest.substr(0, lf));
        ConvertFields(carry, totals);
        carry.clear();
      }
      rest.remove_prefix(lf + 1);
    }
    carry.append(rest);
  }
  ConvertFields(carry, totals);
  std::fclose(file);
  std::printf("%llu numbers, sum %.17g\n", totals.numbers, totals.sum);
  return 0;
}
