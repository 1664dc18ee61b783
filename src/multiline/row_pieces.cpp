// The arc of a fillet as a piece of a drawn row.
#include "multiline/row_pieces.h"

namespace tq58 {

ArcPiece FilletArc(const MyFunc::Fillet& fillet, double r) {
  const PointD c = fillet.centre;
  double a = MyFunc::DirectionAngleDeg(fillet.tangent1.x - c.x, fillet.tangent1.y - c.y);
  double b = MyFunc::DirectionAngleDeg(fillet.tangent2.x - c.x, fillet.tangent2.y - c.y);
  double sweep = b - a;
  if (sweep < 0.0) sweep += 360.0;
  if (sweep >= 180.0) MyFunc::ExchangeReals(a, b);
  return {c, r, a, b};
}

}  // namespace tq58
