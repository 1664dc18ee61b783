// The selected entities that can carry a multi-line: straight segments, plain or inside "pl"
// curves, circular arcs and circles, with finite values within the drawing's range; and how
// many of the others were left out, and why.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "exchange/model.h"
#include "geometry/geometry.h"
#include "path/base_path.h"

namespace tq58 {

using geometry::PointD;

// Why a selected entity takes no part in a chain.
enum class LeftOut : int {
  OtherKind,   // an entity this mode does not follow: texts, points, solids, ...
  Ellipse,     // an arc of an ellipse (flatness other than 1), whose offset is no ellipse
  InBlock,     // a member of a block
  BadValue,    // a value that is not finite, a radius <= 0, or a point beyond the drawing's range
  ZeroLength,  // its two ends join (an arc: and its length is within the join tolerance)
  Duplicate,   // the same two joined ends as an earlier piece, either way round (an arc: and
               // its midpoint within the join tolerance of that piece's)
};
inline constexpr std::size_t kLeftOutReasons = 6;

// A count per reason, indexed by LeftOut.
using LeftOutCounts = std::array<int64_t, kLeftOutReasons>;

// A piece that a chain may follow, from its first point to its second as the file gives them:
// a straight segment, or a circular arc from its start angle to its end angle (its points at
// those angles), or a full circle (from 0 to 360 degrees, both points at 0 degrees).
struct ChainPiece {
  PointD start;
  PointD end;
  std::optional<Curve> arc;  // as read, counterclockwise
};

struct SelectedPieces {
  std::vector<ChainPiece> pieces;  // in file order
  int64_t selected = 0;            // every entity of the selection
  LeftOutCounts leftOut{};         // so far: other kinds, ellipses, block members, bad values
  double largestCoordinate = 0.0;  // the largest |coordinate| of the pieces (of arcs: circles)
};

// The pieces of the model's entities in file order.
SelectedPieces TakeSelectedPieces(const exchange::ExchangeModel& model);

}  // namespace tq58
