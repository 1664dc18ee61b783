// Fuzz target: the whole transformation run. The input is a byte of the run mode (bit 0: 1 or
// 2; bit 1: chain mode "/s"; bit 2: "/r"), the exchange file's bytes and, after a separator,
// the settings file's bytes (no separator: no settings file). Every run must write an exchange
// file that the host can read: lines of at most 255 bytes ending in CR LF, the layer-group and
// layer commands first, only attribute, layer, segment and arc commands after them, never two
// layer commands in a row, the host's layer in effect at the end (in chain mode then one
// notice line, or instead of any shape one error line; in point mode a notice where rows left a
// protected layer), numbers finite as the host reads them, and our own reader must find in it
// exactly the shapes and attributes that were written. The settings file is left alone.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_run.h"
#include "app/run_mode.h"
#include "exchange/model.h"
#include "exchange/reader.h"
#include "fuzz_support.h"
#include "model_invariants.h"
#include "util/text_convert.h"

using namespace tq58::fuzz;

namespace {

using namespace std::string_view_literals;

// Separates the exchange file from the settings file in the input.
constexpr std::string_view kSettingsSeparator = "\0\0tq58.dat\0\0"sv;
constexpr std::size_t kMaxLineBytes = 255;
constexpr int32_t kMaxShapesPerRow = 99;  // at most 98 segments and 99 arcs per offset line

// The fields of a command line, split at single blanks.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t blank = line.find(' ', start);
    fields.push_back(line.substr(start, blank - start));
    if (blank == std::string_view::npos) return fields;
    start = blank + 1;
  }
}

// A real in the general format that the host reads as a finite number: optional "-", digits,
// optional "." and digits, optional "E", optional "-", digits.
void RequireWrittenReal(std::string_view text) {
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t first = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i > first;
  };
  if (i < text.size() && text[i] == '-') ++i;
  bool valid = digits();
  if (valid && i < text.size() && text[i] == '.') {
    ++i;
    valid = digits();
  }
  if (valid && i < text.size() && text[i] == 'E') {
    ++i;
    if (i < text.size() && text[i] == '-') ++i;
    valid = digits();
  }
  Require(valid && i == text.size(), "a number is in the general format");
  const std::string copy(text);
  Require(std::isfinite(std::strtod(copy.c_str(), nullptr)), "a number reads back finite");
}

// A decimal integer command ("lc", "lt", "lw") with its number.
bool IsAttributeLine(std::string_view line) {
  if (!(line.starts_with("lc") || line.starts_with("lt") || line.starts_with("lw"))) return false;
  const std::string_view number = line.substr(2);
  Require(!number.empty() && number.find_first_not_of("-0123456789") == std::string_view::npos,
          "an attribute command carries a decimal integer");
  return true;
}

// The lines of the written file; every one ends in CR LF and holds at most 255 bytes.
std::vector<std::string_view> SplitWrittenLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    Require(lf != std::string_view::npos && lf > 0 && bytes[lf - 1] == '\r',
            "every line ends in CR LF");
    const std::string_view line = bytes.substr(0, lf - 1);
    Require(line.find('\r') == std::string_view::npos, "no CR inside a line");
    Require(line.size() <= kMaxLineBytes, "no line is longer than 255 bytes");
    lines.push_back(line);
    bytes.remove_prefix(lf + 1);
  }
  return lines;
}

void CheckOutput(std::string_view written, const tq58::exchange::ExchangeModel& input,
                 bool lwAllowed, bool chains) {
  std::vector<std::string_view> lines = SplitWrittenLines(written);
  if (chains) {
    // Chain mode tells how it went in its last line: a notice, or an error with nothing drawn.
    Require(!lines.empty() && (lines.back().starts_with("h#") || lines.back().starts_with("he")),
            "chain mode ends with its notice or error");
    Require(!lines.back().starts_with("he") || lines.size() == 3,
            "nothing is drawn beside an error");
    lines.pop_back();
  } else if (!lines.empty() && lines.back().starts_with("h#")) {
    lines.pop_back();  // the rows that went to the write layer from a protected one
  }
  Require(lines.size() >= 2, "the layer commands are written");
  const std::string_view kHex = "0123456789ABCDEF";
  Require(lines[0] == std::string("lg") + kHex[static_cast<std::size_t>(input.HostLayerGroup)],
          "the first line is the host's layer group");
  const auto isLayerLine = [&](std::string_view line) {
    return line.size() == 3 && line.starts_with("ly") && kHex.find(line[2]) != kHex.npos;
  };
  Require(isLayerLine(lines[1]), "the second line is the first entity's layer");

  std::size_t segments = 0;
  std::size_t arcs = 0;
  std::size_t circles = 0;  // chain mode's rows along selected circles
  for (std::size_t i = 2; i < lines.size(); ++i) {
    if (isLayerLine(lines[i])) {
      Require(!isLayerLine(lines[i - 1]), "no layer command right after another");
      continue;
    }
    if (IsAttributeLine(lines[i])) {
      if (lines[i].starts_with("lw")) {
        Require(lwAllowed, "widths only when the host gave one");
        const int32_t width = tq58::util::TextToInt(lines[i].substr(2));
        Require(width >= 0 && width <= 30000, "a width is 0..30000");
      }
      continue;
    }
    const std::vector<std::string_view> fields = Fields(lines[i]);
    const bool arc = fields.size() == 8 && fields[0] == "ci";
    const bool circle = chains && fields.size() == 4 && fields[0] == "ci";
    Require(arc || fields.size() == 4, "every other line is a segment, an arc or a circle");
    for (std::size_t f = arc || circle ? 1 : 0; f < fields.size(); ++f) {
      RequireWrittenReal(fields[f]);
    }
    ++(arc ? arcs : circle ? circles : segments);
  }
  // Along points: ten rows of at most 99 points; along chains: ten rows of a piece, a corner and
  // a connector per selected piece, and two caps per chain.
  const std::size_t pieces = input.LineList.size() + input.ArcList.size() + input.CircleList.size();
  const std::size_t limit = chains ? 10 * 3 * pieces + 2 * pieces : 10 * kMaxShapesPerRow;
  Require(segments <= limit && arcs <= limit && circles <= 10 * input.CircleList.size(),
          "no more shapes than the rows of the path give");

  // Our own reader takes the file back as the same layer, segments and arcs, nothing else.
  tq58::exchange::WriterState unused;
  tq58::exchange::ExchangeModel readBack;
  tq58::exchange::ClearExchangeModel(readBack, unused);
  for (const std::string_view line : lines) tq58::exchange::ParseExchangeLine(readBack, line);
  RequireModelInvariants(readBack);
  Require(readBack.HostLayerGroup == input.HostLayerGroup &&
              readBack.HostLayer == static_cast<int32_t>(kHex.find(lines[1][2])),
          "the layer reads back");
  Require(readBack.Reading.CurLayer == input.HostLayer, "the output ends on the host's layer");
  Require(readBack.LineList.size() == segments && readBack.ArcList.size() == arcs &&
              readBack.CircleList.size() == circles &&
              readBack.EntityOrder.size() == segments + arcs + circles,
          "the reader finds exactly the segments, arcs and circles written");
  for (const auto& arc : readBack.ArcList) {
    Require(arc.Radius > 0.0 && arc.Flatness == 1.0 && arc.Tilt == 0.0,
            "arcs are circular with a positive radius");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int32_t mode = (data[0] & 1) != 0 ? tq58::kSegmentMode : tq58::kPolylineMode;
  const tq58::TransformOptions options{std::nullopt, (data[0] & 2) != 0, (data[0] & 4) != 0};
  const std::string_view rest = AsText(data + 1, size - 1);
  const std::size_t separator = rest.find(kSettingsSeparator);
  const std::string_view exchange = rest.substr(0, separator);

  static const tq58::ProgramFiles files{ScratchPath("JWC_TEMP.TXT"), ScratchPath("tq58.dat")};
  std::error_code ignored;
  std::filesystem::remove(files.SettingsFile, ignored);
  const bool hasSettings = separator != std::string_view::npos;
  const std::string settings =
      hasSettings ? std::string(rest.substr(separator + kSettingsSeparator.size())) : "";
  if (hasSettings) WriteBytes(files.SettingsFile, settings);
  WriteBytes(files.ExchangeFile, exchange);

  // The input as the run reads it, for the layer and the widths it must write.
  tq58::exchange::WriterState unused;
  tq58::exchange::ExchangeModel input;
  tq58::exchange::ClearExchangeModel(input, unused);
  tq58::exchange::ReadExchangeFile(input, files.ExchangeFile);
  RequireModelInvariants(input);

  tq58::RunTransformation(files, mode, options);

  Require(std::filesystem::exists(files.ExchangeFile), "the exchange file is written");
  CheckOutput(ReadBytes(files.ExchangeFile), input, input.LineWidthSeen, options.Chains);
  Require(hasSettings ? ReadBytes(files.SettingsFile) == settings
                      : !std::filesystem::exists(files.SettingsFile),
          "a transformation leaves the settings file alone");
  Require(std::distance(std::filesystem::directory_iterator(files.ExchangeFile.parent_path()),
                        {}) == (hasSettings ? 2 : 1),
          "no temporary file is left");
  return 0;
}
