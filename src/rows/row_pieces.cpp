// Pieces of a drawn row: the arc of a fillet, and whether the host is given a piece.
#include "rows/row_pieces.h"

#include "exchange/writer.h"

namespace tq58 {

Curve FilletArc(const geometry::Fillet& fillet, double r) {
  const PointD c = fillet.centre;
  double a = geometry::DirectionAngleDeg(fillet.tangent1.x - c.x, fillet.tangent1.y - c.y);
  double b = geometry::DirectionAngleDeg(fillet.tangent2.x - c.x, fillet.tangent2.y - c.y);
  double sweep = b - a;
  if (sweep < 0.0) sweep += 360.0;
  if (sweep >= 180.0) geometry::ExchangeReals(a, b);
  return Curve::FromHost(c, r, a, b);
}

bool WritesSomething(const RowPiece& piece) {
  if (!piece.arc) {
    return exchange::SegmentIsWritten(piece.start.x, piece.start.y, piece.end.x, piece.end.y);
  }
  if (piece.sweep == 0.0) return false;
  if (!piece.degrees) {
    return exchange::CircleIsWritten(piece.centre.x, piece.centre.y, piece.radius);
  }
  return exchange::ArcIsWritten(piece.centre.x, piece.centre.y, piece.radius, piece.degrees->start,
                                piece.degrees->end, 1.0, 0.0);
}

}  // namespace tq58
