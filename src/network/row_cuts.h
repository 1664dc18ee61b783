// A band's drawn rows as curves to cut, the parts of them that are kept, and the cutting: each
// piece kept outside every other band's region, between the places where it passes their
// outlines.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "network/network_regions.h"
#include "presets/presets.h"
#include "rows/row_pieces.h"

namespace tq58 {

inline constexpr long kUncut = -1;

// A kept part of a row piece, from s0 to s1 along it; ends moved to a corner carry the point.
struct Kept {
  double s0 = 0.0, s1 = 0.0;
  long cause0 = kUncut, cause1 = kUncut;  // the outline curve that cut the end there, if any
  std::optional<PointD> a, b;
  bool swallowed = false;  // by the fillet of a corner next to it
};

struct PieceCut {
  Curve curve;
  long outline = kUncut;  // the region outline curve that the piece draws, if any
  std::vector<Kept> kept;
};

struct LineCut {
  const TLineRow* row = nullptr;
  bool outer = false;
  double spacing = 0.0;
  std::vector<PieceCut> pieces;
  std::vector<RowPiece> corners;  // corner arcs drawn in this row's attributes
};

// Whether the part of band b's piece inside band s's region is left to it (an inner row of a
// band that runs through where s ends); given s, b and the part.
using InsideExempt = std::function<bool(std::size_t, std::size_t, const Curve&)>;

// The parts of a piece of band b to keep: outside the regions of the other bands but where
// `exempt` says; an outer row also not where its own band's region lies on both sides of it
// (its outline folding over itself).
std::vector<Kept> CutPiece(const NetworkRegions& regions, std::size_t b, const PieceCut& piece,
                           bool outer, const InsideExempt& exempt, double tolerance);

}  // namespace tq58
