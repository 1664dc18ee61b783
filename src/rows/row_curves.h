// Row pieces as curves to measure along, and parts of curves back as row pieces to write.
#pragma once

#include "geometry/curve.h"
#include "rows/row_pieces.h"

namespace tq58 {

using geometry::Curve;

// The piece as a curve: an arc counterclockwise from its start angle, a circle a full turn
// from 0.
Curve CurveOf(const RowPiece& piece);

// The part of `curve` (of the piece `whole`, counterclockwise as CurveOf makes it) from distance s0
// to s1 as a piece to write, with its ends at `a` and `b` where they are given: the piece itself
// where that is all of it, so that its numbers stay as they were.
RowPiece PieceOf(const RowPiece& whole, const Curve& curve, double s0, double s1, const PointD* a,
                 const PointD* b);

}  // namespace tq58
