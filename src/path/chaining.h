// Chains of selected pieces joined end to end: where exactly two ends meet a chain runs on,
// where one or three or more meet it ends; a chain whose two ends meet is closed, and so is a
// circle, or an arc whose two ends join, by itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "path/base_path.h"
#include "path/selected_pieces.h"

namespace tq58 {

// One piece of a chain, run from its start to its end, or the other way round.
struct ChainLink {
  std::size_t piece = 0;
  bool reversed = false;  // along an arc: clockwise
};

struct Chain {
  std::vector<ChainLink> links;  // in chain order
  bool closed = false;
};

struct Chaining {
  std::vector<Chain> chains;  // in the file order of each chain's first piece
  int64_t zeroLength = 0;     // pieces whose two ends join (arcs: and no longer than the tolerance)
  int64_t duplicates = 0;     // pieces with the same joined ends as an earlier one (arcs: and
                              // their midpoints within the tolerance)
};

// The distance (drawing units) within which two ends join: kLeastJoinTolerance, or
// kRelativeJoinTolerance times the largest |coordinate| where that is more (util/tolerances.h).
double JoinTolerance(double largestCoordinate);

// How the chains are turned: an open chain starts at its end nearest `firstPoint` when there
// is one (and where both are as near, as below), else so that its first piece in the file runs
// from its first point to its second (an arc so counterclockwise); a closed chain runs
// counterclockwise (by its signed area, with the circular segment beside each arc; where that
// is 0, as its first piece in the file runs) and starts where that piece starts.
// `reverse` then turns every chain round, a closed one still starting at that piece.
struct ChainDirection {
  std::optional<PointD> firstPoint;
  bool reverse = false;
};

// Joins the ends that lie within JoinTolerance of each other, transitively, and follows the
// pieces from end to end; a circle's ends join only another circle's. Zero-length pieces and
// duplicates take no part.
Chaining ChainPieces(const SelectedPieces& selection, const ChainDirection& direction);

// The base path of a chain: its vertices in chain order, each joined vertex at the end of the
// earlier piece; a closed chain ends on its first vertex again. Where the chain holds an arc,
// `arcs` gives each segment's arc as read, clockwise where the chain runs it backwards; for
// segments alone it stays empty. A circle alone is its point at 0 degrees twice, closed.
BasePath ChainPath(const Chain& chain, const std::vector<ChainPiece>& pieces);

}  // namespace tq58
