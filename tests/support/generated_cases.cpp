// Generated transformation inputs: base paths of several shapes, layer groups with their
// scales, and presets whose rows and options take every kind of value the settings file
// allows.
#include "support/generated_cases.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "support/files.h"
#include "support/sequence.h"

namespace tq58_test {
namespace {

struct Point {
  double x;
  double y;
};

template <typename T, std::size_t N>
const T& PickFrom(Sequence& random, const std::array<T, N>& choices) {
  return choices[random.Below(N)];
}

// Points scattered over a square of half-width `extent`.
std::vector<Point> Scattered(Sequence& random, int count, double extent) {
  std::vector<Point> points;
  for (int i = 0; i < count; ++i)
    points.push_back({extent * random.Signed(), extent * random.Signed()});
  return points;
}

// A walk of axis-parallel steps turning left, right or back: corners of both directions,
// reversals, and steps shorter than the radii.
std::vector<Point> GridWalk(Sequence& random, int count, double unit) {
  constexpr std::array<Point, 4> kDirections = {{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
  std::vector<Point> points{{0.0, 0.0}};
  uint64_t heading = random.Below(4);
  for (int i = 1; i < count; ++i) {
    heading = (heading + PickFrom(random, std::array<uint64_t, 5>{1, 1, 3, 3, 2})) % 4;
    const double step = unit * static_cast<double>(1 + random.Below(12));
    const Point& at = points.back();
    points.push_back({at.x + step * kDirections[heading].x, at.y + step * kDirections[heading].y});
  }
  return points;
}

// Points along a line with a tiny sideways noise: corners that barely turn.
std::vector<Point> NearlyStraight(Sequence& random, int count, double unit) {
  std::vector<Point> points;
  const Point along{random.Signed(), random.Signed()};
  for (int i = 0; i < count; ++i) {
    const double noise = 1e-9 * unit * random.Signed();
    points.push_back({unit * i * along.x - noise * along.y, unit * i * along.y + noise * along.x});
  }
  return points;
}

std::vector<Point> BasePoints(Sequence& random) {
  const int count = 2 + static_cast<int>(random.Below(23));
  const double unit = PickFrom(random, std::array<double, 5>{1e-4, 0.3, 10.0, 2500.0, 1e6});
  std::vector<Point> points;
  switch (random.Below(3)) {
    case 0:
      points = Scattered(random, count, unit);
      break;
    case 1:
      points = GridWalk(random, count, unit);
      break;
    default:
      points = NearlyStraight(random, count, unit);
      break;
  }
  if (random.Below(4) == 0) points.push_back(points.front());  // a closed path
  if (random.Below(8) == 0) {
    const std::size_t at = random.Below(points.size());
    points.insert(points.begin() + static_cast<std::ptrdiff_t>(at), points[at]);  // a repeat
  }
  return points;
}

std::string ExchangeText(Sequence& random, const std::vector<Point>& points) {
  constexpr std::array<double, 5> kScales = {1.0, 37.5, 100.0, 0.5, 3.0};
  std::string text = "hk 0\r\nhs";
  for (int group = 0; group < 16; ++group) text += " " + Shortest(PickFrom(random, kScales));
  constexpr std::string_view kHex = "0123456789ABCDEF";
  text += "\r\nhzs 420 297\r\nlg";
  text += kHex[random.Below(16)];
  text += " 2\r\nly";
  text += kHex[random.Below(16)];
  text += " 2\r\nlc" + std::to_string(1 + random.Below(9)) + "\r\nlt" +
          std::to_string(1 + random.Below(9)) + "\r\nlw" + std::to_string(random.Below(4)) + "\r\n";
  // Now and then a number is left out: the path ends at the gap.
  const std::size_t gap = random.Below(6) == 0 ? random.Below(points.size()) : points.size();
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i == gap) continue;
    text += "hp" + std::to_string(i + 1) + " " + Shortest(points[i].x) + " " +
            Shortest(points[i].y) + "\r\n";
  }
  return text;
}

// The unit step from a to b when it is parallel to an axis, else nothing.
std::optional<Point> AxisStep(Point a, Point b) {
  if (a.y == b.y && a.x != b.x) return Point{a.x < b.x ? 1.0 : -1.0, 0.0};
  if (a.x == b.x && a.y != b.y) return Point{0.0, a.y < b.y ? 1.0 : -1.0};
  return std::nullopt;
}

// The angle of an axis-parallel unit step, in degrees.
double AxisAngle(Point u) { return u.x > 0 ? 0.0 : u.x < 0 ? 180.0 : u.y > 0 ? 90.0 : 270.0; }

std::string SegmentText(Point a, Point b) {
  return Shortest(a.x) + " " + Shortest(a.y) + " " + Shortest(b.x) + " " + Shortest(b.y) + "\r\n";
}

// The path's segments as the host writes a selection, after the indicated points: in shuffled
// order, a third of them backwards, some inside "pl" curves, now and then moved by a gap that
// the join tolerance bridges, beside a circle (a chain of its own) and an ellipse that chain
// mode leaves out. Half of the square corners of a grid walk become quarter curves, their
// angles now and then given with a tilt; their ends lie on the axes, so no library
// mathematics places them.
std::string SelectionText(Sequence& random, std::vector<Point> points) {
  std::vector<std::string> pieces;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    Point a = points[i], b = points[i + 1];
    const std::optional<Point> in = AxisStep(a, b);
    const std::optional<Point> out =
        i + 2 < points.size() ? AxisStep(b, points[i + 2]) : std::nullopt;
    if (in && out && in->x * out->x + in->y * out->y == 0.0 && random.Below(2) == 0) {
      // A quarter curve of a quarter of the shorter leg, tangent to both.
      const double r =
          0.25 * std::min(std::fabs(b.x - a.x) + std::fabs(b.y - a.y),
                          std::fabs(points[i + 2].x - b.x) + std::fabs(points[i + 2].y - b.y));
      const Point from{b.x - r * in->x, b.y - r * in->y};
      const Point centre{from.x + r * out->x, from.y + r * out->y};
      const bool left = in->x * out->y - in->y * out->x > 0;
      double start = AxisAngle({-out->x, -out->y}), end = AxisAngle(*in);
      if (!left) std::swap(start, end);
      const double tilt = random.Below(3) == 0 ? 90.0 : 0.0;
      pieces.push_back("ci " + Shortest(centre.x) + " " + Shortest(centre.y) + " " + Shortest(r) +
                       " " + Shortest(start - tilt) + " " + Shortest(end - tilt) + " 1 " +
                       Shortest(tilt) + "\r\n");
      pieces.push_back(SegmentText(a, from));
      points[i + 1] = {b.x + r * out->x, b.y + r * out->y};  // the next segment starts after it
      continue;
    }
    if (random.Below(5) == 0) a.x += 1e-7 * random.Signed();
    if (random.Below(3) == 0) std::swap(a, b);
    pieces.push_back(SegmentText(a, b));
  }
  for (std::size_t i = pieces.size(); i > 1; --i) {
    std::swap(pieces[i - 1], pieces[random.Below(i)]);
  }
  std::string text = "#\r\nci 0 0 1\r\nci 0 0 5 0 360 0.5 0\r\n";
  for (const std::string& piece : pieces) {
    const bool curve = random.Below(4) == 0 && piece.rfind("ci", 0) != 0;
    if (curve) text += "pl\r\n";
    text += piece;
    if (curve) text += "#\r\n";
  }
  return text;
}

// A radius of 0, negative (read as 0), ordinary, or larger than most segments.
std::string RandomRadius(Sequence& random, double size) {
  switch (random.Below(5)) {
    case 0:
      return "0";
    case 1:
      return Shortest(-size * (random.Signed() + 1.0));
    default:
      return Shortest(size * (random.Signed() + 1.0) * (random.Below(5) == 0 ? 100.0 : 1.0));
  }
}

// Options of every kind: mostly concentric corners, caps of each style at either end, junctions
// mostly cleaned, and now and then a value out of range (read as the default).
SettingsOptions RandomOptions(Sequence& random) {
  SettingsOptions options;
  options.Corners = PickFrom(random, std::array<const char*, 4>{"1", "1", "0", "5"});
  options.BaseRadius =
      RandomRadius(random, PickFrom(random, std::array<double, 4>{0.01, 1.0, 25.0, 1000.0}));
  options.BaseRadiusPaperSize = random.Below(5) == 0 ? "1" : "0";
  constexpr std::array<const char*, 4> kCaps = {"0", "1", "2", "3"};
  options.StartCap = PickFrom(random, kCaps);
  options.EndCap = PickFrom(random, kCaps);
  options.Junctions = PickFrom(random, std::array<const char*, 4>{"0", "1", "1", "7"});
  return options;
}

SettingsRow RandomRow(Sequence& random) {
  constexpr std::array<const char*, 8> kWidths = {"-1",    "0",     "1",  "5",
                                                  "30000", "30001", "-2", "-1"};
  SettingsRow row;
  row.DrawOn = random.Below(8) == 0 ? "0" : "1";
  const double size = PickFrom(random, std::array<double, 4>{0.01, 1.0, 25.0, 1000.0});
  row.Spacing = random.Below(6) == 0 ? "0" : Shortest(size * random.Signed());
  row.Radius = RandomRadius(random, size);
  row.PaperSize = random.Below(5) == 0 ? "1" : "0";
  row.ColorIndex = std::to_string(random.Below(13));
  row.LineTypeIndex = std::to_string(random.Below(13));
  row.LineWidth = PickFrom(random, kWidths);
  return row;
}

}  // namespace

std::string Shortest(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::vector<GeneratedCase> GeneratedCases(uint64_t seed, int count) {
  Sequence random(seed);
  std::vector<GeneratedCase> cases;
  for (int i = 0; i < count; ++i) {
    GeneratedCase generated;
    generated.RunMode = random.Below(8) == 0 ? 1 : 2;
    const std::vector<Point> points = BasePoints(random);
    generated.Exchange = ExchangeText(random, points);
    // A quarter of the cases draw along the path's segments as a selection.
    if (random.Below(4) == 0) {
      generated.Drawing = random.Below(3) == 0 ? CaseDrawing::ReversedChains : CaseDrawing::Chains;
      generated.Exchange += SelectionText(random, points);
    }
    std::vector<SettingsRow> rows(1 + random.Below(10));
    for (SettingsRow& row : rows) row = RandomRow(random);
    const int32_t preset = 1 + static_cast<int32_t>(random.Below(20));
    generated.Settings = SettingsFileText(preset, preset, rows);
    // A third of the presets use the options beyond the rows, every one that draws along a
    // selection (so that most of those clean its junctions).
    if (random.Below(3) == 0 || generated.Drawing != CaseDrawing::Points) {
      generated.Settings += OptionsBlockText(preset, RandomOptions(random));
    }
    cases.push_back(std::move(generated));
  }
  return cases;
}

std::string BatchText(const std::vector<GeneratedCase>& cases) {
  std::string batch;
  for (const GeneratedCase& generated : cases) {
    batch += std::to_string(generated.RunMode) + " " +
             std::to_string(static_cast<int32_t>(generated.Drawing)) + " " +
             std::to_string(generated.Exchange.size()) + " " +
             std::to_string(generated.Settings.size()) + "\n";
    batch += generated.Exchange;
    batch += generated.Settings;
  }
  return batch;
}

}  // namespace tq58_test
