// What the junction network tests share: paths to build networks of, and a drawing as pieces
// and as text to compare.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "path/base_path.h"
#include "rows/row_pieces.h"
#include "support/sequence.h"

namespace tq58::network_fixture {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kClose = 1e-6;

inline PointD Along(PointD p, double angle, double length) {
  return {p.x + length * std::cos(angle), p.y + length * std::sin(angle)};
}

inline BasePath Line(PointD a, PointD b) { return BasePath{{a, b}, false, {}}; }

// A street 400 long through `centre` at a random angle, straight or with a curve in the middle.
inline BasePath Street(tq58_test::Sequence& r, PointD centre) {
  const double heading = kPi * r.Unit();
  const PointD a = Along(centre, heading + kPi, 200);
  if (r.Below(3) != 0) return Line(a, Along(centre, heading, 200));
  // Straight, a curve turning left or right by up to 60 degrees, straight again.
  const double radius = 60 + 90 * r.Unit(), turn = (kPi / 9) * (1 + 2 * r.Unit());
  const bool left = r.Below(2) == 0;
  const PointD p1 = Along(a, heading, 150);
  const PointD c = Along(p1, heading + (left ? kPi / 2 : -kPi / 2), radius);
  const double from = std::atan2(p1.y - c.y, p1.x - c.x), to = from + (left ? turn : -turn);
  const PointD p2 = Along(c, to, radius);
  BasePath path{{a, p1, p2, Along(p2, heading + (left ? turn : -turn), 200)}, false, {}};
  const double deg = 180 / kPi;
  path.arcs = {std::nullopt,
               left ? PathArcOf(c, radius, from * deg, to * deg, false)
                    : PathArcOf(c, radius, to * deg, from * deg, true),
               std::nullopt};
  return path;
}

struct Piece {
  int colour = 0;
  Curve trace;
};

inline std::vector<Piece> Pieces(const MultiLine& lines) {
  std::vector<Piece> pieces;
  for (const DrawnLine& line : lines) {
    for (const RowPiece& p : line.pieces) pieces.push_back({line.row->ColorIndex, p});
  }
  return pieces;
}

// A drawing as comparable text: each piece with its colour, its ends in either order (an arc
// also by its centre), rounded to 1e-6, sorted.
inline std::vector<std::string> Drawing(const MultiLine& lines) {
  std::vector<std::string> out;
  const auto text = [](PointD p) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f %.6f", std::round(p.x * 1e6) / 1e6 + 0.0,
                  std::round(p.y * 1e6) / 1e6 + 0.0);
    return std::string(buffer);
  };
  for (const Piece& p : Pieces(lines)) {
    std::string a = text(p.trace.start), b = text(p.trace.end);
    if (b < a) std::swap(a, b);
    out.push_back(std::to_string(p.colour) + (p.trace.arc ? " arc " + text(p.trace.centre) : "") +
                  " " + a + " " + b);
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace tq58::network_fixture
