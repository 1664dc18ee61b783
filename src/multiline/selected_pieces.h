// The selected entities that can carry a multi-line: straight segments, plain or inside "pl"
// curves, with finite coordinates within the drawing's range; and how many of the others
// were left out, and why.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "exchange/model.h"
#include "multiline/base_path.h"
#include "util/geometry.h"

namespace tq58 {

using MyFunc::PointD;

// Why a selected entity takes no part in a chain.
enum class LeftOut : int {
  OtherKind,   // an entity this mode does not follow: arcs, circles, texts, points, solids, ...
  InBlock,     // a member of a block
  BadValue,    // a coordinate that is not finite or lies beyond the drawing's range
  ZeroLength,  // its two ends join
  Duplicate,   // the same two joined ends as an earlier piece, either way round
};
inline constexpr std::size_t kLeftOutReasons = 5;

// A count per reason, indexed by LeftOut.
using LeftOutCounts = std::array<int64_t, kLeftOutReasons>;

// A piece that a chain may follow, from its first point to its second as the file gives them:
// a straight segment, or a circular arc from its start angle to its end angle (its points at
// those angles), or a full circle (from 0 to 360 degrees, both points at 0 degrees).
struct ChainPiece {
  PointD start;
  PointD end;
  std::optional<BaseArc> arc;  // as read, counterclockwise
};

struct SelectedPieces {
  std::vector<ChainPiece> pieces;  // in file order
  int64_t selected = 0;            // every entity of the selection
  LeftOutCounts leftOut{};         // so far: other kinds, block members, bad values
  double largestCoordinate = 0.0;  // the largest |coordinate| among the pieces
};

// Coordinates of a larger magnitude (drawing units) are taken for a mistake, not a drawing.
inline constexpr double kLargestChainCoordinate = 1e9;

// The pieces of the model's entities in file order.
SelectedPieces TakeSelectedPieces(const JwwGaibu::ExchangeModel& model);

}  // namespace tq58
