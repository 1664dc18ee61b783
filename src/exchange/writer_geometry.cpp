// Geometry commands of the writer: segments, arcs and texts. They carry no state; degenerate
// shapes and shapes with a non-finite number are not written at all.
#include <array>
#include <cmath>
#include <string>

#include "exchange/command_format.h"
#include "exchange/writer.h"
#include "geometry/tolerances.h"
#include "util/text_convert.h"

namespace tq58::exchange {
namespace {

using geometry::kDegenerateGeometryTolerance;

// Room for a segment or arc line at once, so that appending its numbers does not reallocate.
constexpr std::size_t kGeometryLineCapacity = 160;

// Keyword of each text kind 0..9; kind 0 and unknown kinds are plain texts ("ch").
constexpr std::array<const char*, 10> kTextKeywords = {"ch", "cv", "cs", "cr", "co",
                                                       "cp", "ct", "ck", "cz", "c2"};

const char* TextKeyword(int32_t textKind) {
  if (textKind < 0 || textKind >= static_cast<int32_t>(kTextKeywords.size())) {
    return kTextKeywords[0];
  }
  return kTextKeywords[static_cast<std::size_t>(textKind)];
}

}  // namespace

bool SegmentIsWritten(double x1, double y1, double x2, double y2) {
  return AllFinite({x1, y1, x2, y2}) && !(std::fabs(x2 - x1) < kDegenerateGeometryTolerance &&
                                          std::fabs(y2 - y1) < kDegenerateGeometryTolerance);
}

bool ArcIsWritten(double cx, double cy, double r, double start, double end, double flatness,
                  double tilt) {
  return AllFinite({cx, cy, r, start, end, flatness, tilt}) && r > kDegenerateGeometryTolerance &&
         std::fabs(flatness) > kDegenerateGeometryTolerance;
}

bool CircleIsWritten(double cx, double cy, double r) {
  return AllFinite({cx, cy, r}) && r > kDegenerateGeometryTolerance;
}

void OutSegment(WriterState& writer, double x1, double y1, double x2, double y2) {
  if (!SegmentIsWritten(x1, y1, x2, y2)) return;
  std::string line;
  line.reserve(kGeometryLineCapacity);
  AppendReals(line, {x1, y1, x2, y2});
  AddOutputLine(writer, line);
}

void OutArc(WriterState& writer, double cx, double cy, double r, double start, double end,
            double flatness, double tilt) {
  if (!ArcIsWritten(cx, cy, r, start, end, flatness, tilt)) return;
  std::string line;
  line.reserve(kGeometryLineCapacity);
  line = "ci ";
  AppendReals(line, {cx, cy, r, start, end, flatness, tilt});
  AddOutputLine(writer, line);
}

void OutCircle(WriterState& writer, double cx, double cy, double r) {
  if (!CircleIsWritten(cx, cy, r)) return;
  std::string line;
  line.reserve(kGeometryLineCapacity);
  line = "ci ";
  AppendReals(line, {cx, cy, r});
  AddOutputLine(writer, line);
}

void OutText(WriterState& writer, int32_t textKind, std::string_view text, double x, double y,
             double dx, double dy) {
  if (!AllFinite({x, y, dx, dy})) return;
  if (std::fabs(dx) <= kDegenerateGeometryTolerance &&
      std::fabs(dy) <= kDegenerateGeometryTolerance) {
    return;
  }
  if (util::RemoveBlanks(text).empty()) return;
  // The position line ends in a double quote; the file joins the text line onto it, so the
  // text keeps a whole line of 255 bytes for itself.
  std::string line = TextKeyword(textKind);
  line += ' ';
  AppendReals(line, {x, y, dx, dy});
  line += " \"";
  AddOutputLine(writer, line);
  AddOutputLine(writer, text);
}

}  // namespace tq58::exchange
