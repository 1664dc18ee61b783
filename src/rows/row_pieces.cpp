// Pieces of a drawn row: the arc of a fillet, and whether the host is given a piece.
#include "rows/row_pieces.h"

#include "exchange/writer.h"
#include "util/overloaded.h"

namespace tq58 {

HostArc FilletArc(const geometry::Fillet& fillet, double r) {
  const PointD c = fillet.centre;
  double a = geometry::DirectionAngleDeg(fillet.tangent1.x - c.x, fillet.tangent1.y - c.y);
  double b = geometry::DirectionAngleDeg(fillet.tangent2.x - c.x, fillet.tangent2.y - c.y);
  double sweep = b - a;
  if (sweep < 0.0) sweep += 360.0;
  if (sweep >= 180.0) geometry::ExchangeReals(a, b);
  return {c, r, a, b};
}

bool WritesSomething(const RowPiece& piece) {
  return std::visit(
      util::Overloaded{[](const SegmentD& s) {
                         return exchange::SegmentIsWritten(s.start.x, s.start.y, s.end.x, s.end.y);
                       },
                       [](const HostArc& a) {
                         return exchange::ArcIsWritten(a.centre.x, a.centre.y, a.radius, a.startDeg,
                                                       a.endDeg, 1.0, 0.0);
                       },
                       [](const CircleD& c) {
                         return exchange::CircleIsWritten(c.centre.x, c.centre.y, c.radius);
                       }},
      piece);
}

}  // namespace tq58
