// Chain mode against the point mode, over generated selections: a path's segments in shuffled
// order, some written backwards, some inside "pl" curves, beside entities the mode leaves out,
// draw what the point mode draws along the path's points; a closed path runs counterclockwise
// (by its area, worked out here) from its first piece in the file, so that positive spacings
// lie inside.
#include "drawing/chain_mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "drawing/point_mode.h"
#include "exchange/reader.h"
#include "exchange/writer.h"
#include "geometry/geometry.h"
#include "support/sequence.h"

namespace tq58 {
namespace {

using Point = geometry::PointD;

std::string Text(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}
std::string Text(Point p) { return Text(p.x) + " " + Text(p.y); }

// An open path turning both ways, or a star-shaped polygon (closed, its last point its first)
// running either way round; and where it lies, up to 1e4 from the origin.
std::vector<Point> GeneratedPath(tq58_test::Sequence& random, bool closed) {
  constexpr double kPi = std::numbers::pi;
  const Point origin{1e4 * random.Signed(), 1e4 * random.Signed()};
  std::vector<Point> p;
  const int count = 3 + static_cast<int>(random.Below(closed ? 10 : 40));
  if (closed) {
    const double way = random.Below(2) ? 1 : -1;
    for (int k = 0; k < count; ++k) {
      const double angle = way * 2 * kPi * (k + 0.3 * random.Signed()) / count;
      const double radius = 100 * (1 + 0.3 * random.Signed());
      p.push_back({origin.x + radius * std::cos(angle), origin.y + radius * std::sin(angle)});
    }
    p.push_back(p.front());
    return p;
  }
  double heading = 2 * kPi * random.Unit();
  p.push_back(origin);
  for (int k = 0; k < count; ++k) {
    const double length = 5 + 15 * random.Unit();
    p.push_back({p.back().x + length * std::cos(heading), p.back().y + length * std::sin(heading)});
    heading += (random.Below(2) ? 1 : -1) * kPi * (0.05 + 0.6 * random.Unit());
  }
  return p;
}

// The path's segments as a selection: shuffled, some backwards, some runs inside "pl" curves,
// an ellipse and a text among them; and which segment comes first in the file. With `moved`, the
// starts of the segments written forwards but the first are moved by less than the join
// tolerance, so that the earlier piece's end must give the vertex.
struct Selection {
  std::vector<std::string> lines;
  std::size_t first = 0;

  Selection(tq58_test::Sequence& random, const std::vector<Point>& p, bool moved) {
    std::vector<std::pair<std::size_t, std::string>> segments;
    for (std::size_t k = 0; k + 1 < p.size(); ++k) {
      const Point a{p[k].x + (moved && k > 0 ? 3e-7 : 0.0), p[k].y};
      segments.emplace_back(k, random.Below(3) == 0 ? Text(p[k + 1]) + " " + Text(p[k])
                                                    : Text(a) + " " + Text(p[k + 1]));
    }
    for (std::size_t i = segments.size(); i > 1; --i) {
      std::swap(segments[i - 1], segments[random.Below(i)]);
    }
    first = segments.front().first;
    lines = {"hs 1", "lg0", "ly0", "lc1", "lt1", "#", "ci 0 0 5 0 360 0.5 0", "ch 0 0 1 0 \"text"};
    for (const auto& segment : segments) {
      const bool curve = random.Below(4) == 0;
      if (curve) lines.push_back("pl");
      lines.push_back(segment.second);
      if (curve) lines.push_back("#");
    }
  }
};

class ChainMode : public ::testing::Test {
 protected:
  std::vector<std::string> DrawChains(const std::vector<std::string>& lines, bool reverse) {
    exchange::ExchangeModel model;
    for (const std::string& line : lines) exchange::ParseExchangeLine(model, line);
    exchange::WriterState writer;
    exchange::ResetWriterState(writer);
    DrawChainMultiLines(store, model, writer, reverse);
    return writer.OutputLines;
  }

  std::vector<std::string> DrawPoints(const std::vector<Point>& points) {
    exchange::ExchangeModel model;
    for (std::size_t i = 0; i < points.size(); ++i) {
      exchange::ParseExchangeLine(model, "hp" + std::to_string(i + 1) + " " + Text(points[i]));
    }
    exchange::WriterState writer;
    exchange::ResetWriterState(writer);
    DrawMultiLines(store, model, writer, 98);
    return writer.OutputLines;
  }

  // Two or three rows of random spacings and radii, either corner mode, random caps.
  void RandomPreset(tq58_test::Sequence& random) {
    store = {};
    TLineTable& table = store.Preset(1);
    for (int r = 0, rows = 2 + static_cast<int>(random.Below(2)); r < rows; ++r) {
      TLineRow& row = table.Lines[static_cast<std::size_t>(r)];
      row.DrawOn = true;
      row.Spacing = 3 * random.Signed();
      row.Radius = 6 * random.Unit();
      row.ColorIndex = r + 1;
    }
    table.Options.Corners = random.Below(2) ? CornerMode::Concentric : CornerMode::PerRow;
    table.Options.BaseRadius = 4 * random.Unit();
    table.Options.StartCap = static_cast<CapStyle>(random.Below(3));
    table.Options.EndCap = static_cast<CapStyle>(random.Below(3));
  }

  PresetStore store;
};

TEST_F(ChainMode, DrawsWhatThePointModeDrawsAlongTheChainedPoints) {
  tq58_test::Sequence random(19);
  for (int trial = 0; trial < 300; ++trial) {
    const bool closed = trial % 3 == 0;
    const bool reverse = trial % 5 == 1;
    std::vector<Point> p = GeneratedPath(random, closed);
    RandomPreset(random);
    Selection selection(random, p, !closed && !reverse);
    // An open chain starts at its end nearest the first indicated point.
    if (!closed) selection.lines.push_back("hp1 " + Text(p.front()));
    const std::vector<std::string> chains = DrawChains(selection.lines, reverse);
    const std::string where = "trial " + std::to_string(trial);
    ASSERT_FALSE(chains.empty()) << where;
    EXPECT_EQ(chains.back().substr(0, 2), "h#") << where;

    if (closed) {
      // Counterclockwise, so that positive spacings lie inside (reversed, clockwise), from the
      // start in that direction of the first segment in the file.
      double area = 0;
      for (std::size_t k = 0; k + 1 < p.size(); ++k) {
        area += p[k].x * p[k + 1].y - p[k + 1].x * p[k].y;
      }
      p.pop_back();
      std::rotate(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(selection.first), p.end());
      if ((area > 0) == reverse) {
        // Backwards from the first segment's end: its end, its start, and on round.
        std::rotate(p.begin(), p.begin() + 2, p.end());
        std::reverse(p.begin(), p.end());
      }
      p.push_back(p.front());
    } else if (reverse) {
      std::reverse(p.begin(), p.end());
    }
    EXPECT_EQ(std::vector<std::string>(chains.begin(), chains.end() - 1), DrawPoints(p)) << where;
  }
}

// The shapes of a run as sorted numbers, a segment's ends in either order, the attributes left
// out: what the host draws, whichever way round the chain ran.
std::vector<std::vector<double>> Drawing(const std::vector<std::string>& lines) {
  std::vector<std::vector<double>> shapes;
  for (const std::string& line : lines) {
    std::vector<double> v;
    std::istringstream fields(line.rfind("ci ", 0) == 0 ? line.substr(3) : line);
    for (double x; fields >> x;) v.push_back(std::round(x * 1e6) / 1e6);
    if (v.size() == 4 && std::tie(v[2], v[3]) < std::tie(v[0], v[1])) v = {v[2], v[3], v[0], v[1]};
    if (v.size() >= 4) shapes.push_back(v);
  }
  std::sort(shapes.begin(), shapes.end());
  return shapes;
}

// A road of two straights and a tangent curve, its three pieces in any order, each either way
// round (the arc as the host writes it), with and without "/r": with a preset whose rows and
// caps are the same on both sides, the same drawing every time, its rows parallel segments and
// concentric arcs with no corner at the tangent points.
TEST_F(ChainMode, ARoadDrawsTheSameWhateverTheOrderAndDirectionOfItsPieces) {
  const double spacings[] = {-3, 0, 3};
  for (std::size_t r = 0; r < 3; ++r)
    store.Preset(1).Lines[r] = {true, spacings[r], 2, false, 1, 1, -1};
  store.Preset(1).Options = {CornerMode::PerRow, 0, false, CapStyle::Arc, CapStyle::Arc};
  std::vector<std::string> pieces = {"0 0 100 0", "ci 100 50 50 270 360 1 0", "150 50 150 150"};
  std::sort(pieces.begin(), pieces.end());
  std::vector<std::vector<double>> first;
  do {
    for (int flips = 0; flips < 8; ++flips) {
      std::vector<std::string> lines;
      for (std::size_t i = 0; i < 3; ++i) {
        std::istringstream fields(pieces[i]);
        std::string x1, y1, x2, y2;
        fields >> x1 >> y1 >> x2 >> y2;
        const bool flip = (flips >> i & 1) != 0 && pieces[i][0] != 'c';
        lines.push_back(flip ? x2 + " " + y2 + " " + x1 + " " + y1 : pieces[i]);
      }
      const std::vector<std::vector<double>> drawing = Drawing(DrawChains(lines, flips % 3 == 0));
      // Three rows of three pieces and two half-circle caps: nothing at the tangent points.
      ASSERT_EQ(drawing.size(), 3u * 3u + 2u);
      if (first.empty()) first = drawing;
      EXPECT_EQ(drawing, first) << pieces[0] << " | " << pieces[1] << " | " << pieces[2]
                                << " flips " << flips;
    }
  } while (std::next_permutation(pieces.begin(), pieces.end()));
}

}  // namespace
}  // namespace tq58
