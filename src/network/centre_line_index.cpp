// The pieces of the chains filed by box, and the strip of a chain beside a piece and round its
// corners, measured directly from the piece's line or circle.
#include "network/centre_line_index.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "path/path_edit.h"

namespace tq58 {

Box BoxAround(PointD p, double r) { return {p.x - r, p.y - r, p.x + r, p.y + r}; }

CentreLineIndex::CentreLineIndex(const std::vector<BasePath>& chains, double margin) {
  for (std::size_t i = 0; i < chains.size(); ++i) {
    if (chains[i].points.size() < 2) continue;
    for (std::size_t k = 0; k + 1 < chains[i].points.size(); ++k) {
      pieces_.push_back({i, k});
      index_.Add(geometry::BoxOf(BaseCurve(chains[i], k), margin));
    }
  }
  index_.Index();
}

std::vector<CentrePiece> CentreLineIndex::Near(const Box& box) const {
  std::vector<CentrePiece> found;
  for (const std::uint32_t i : index_.Near(box)) found.push_back(pieces_[i]);
  return found;
}

namespace {

// Beside the piece: the foot of p on it and p's signed distance from its line or circle.
bool BesidePiece(const BasePath& chain, std::size_t k, PointD p, double lo, double hi,
                 double tolerance) {
  if (const BaseArc* arc = PathArc(chain, k)) {
    const Curve curve = BaseCurve(chain, k);
    const double rho = geometry::PointDistance(p, arc->centre);
    const double spacing = arc->clockwise ? rho - arc->radius : arc->radius - rho;
    if (spacing < lo - tolerance || spacing > hi + tolerance) return false;
    const double margin = rho > 0.0 ? tolerance / rho : std::numeric_limits<double>::infinity();
    const double angle = curve.Along(p) / arc->radius, sweep = curve.Length() / arc->radius;
    return angle > -margin && angle < sweep + margin;
  }
  const PointD a = chain.points[k], b = chain.points[k + 1];
  const double length = geometry::PointDistance(a, b);
  if (!(length > 0.0)) return false;
  const PointD direction = geometry::UnitVector(b.x - a.x, b.y - a.y), q = Minus(p, a);
  const double along = Dot(q, direction), across = Cross(direction, q);
  return along > -tolerance && along < length + tolerance && across > lo - tolerance &&
         across < hi + tolerance;
}

// Round vertex v where the chain turns: beyond the end of the piece before and short of the
// start of the one after, as near the vertex as the strip reaches on the corner's outer side.
bool RoundCorner(const BasePath& chain, std::size_t v, PointD p, double lo, double hi,
                 double tolerance) {
  const std::size_t n = chain.points.size() - 1;
  const PointD d1 = DirectionAtEnd(chain, v == 0 ? n - 1 : v - 1), d2 = DirectionAtStart(chain, v);
  const double turn = Cross(d1, d2);
  if (!(std::fabs(turn) > geometry::kParallelSine)) return false;  // straight on, or back
  const bool left = turn > 0.0;
  const double inner = left ? -hi : lo, outer = left ? -lo : hi;
  if (!(outer > 0.0)) return false;
  const PointD q = Minus(p, chain.points[v]);
  const double rho = geometry::PointDistance(p, chain.points[v]);
  return rho > std::max(0.0, inner) - tolerance && rho < outer + tolerance &&
         Dot(q, d1) > -tolerance && Dot(q, d2) < tolerance;
}

}  // namespace

bool InStripOfPiece(const BasePath& chain, std::size_t k, PointD p, double lo, double hi,
                    double tolerance) {
  if (BesidePiece(chain, k, p, lo, hi, tolerance)) return true;
  const std::size_t n = chain.points.size() - 1;
  if ((k > 0 || chain.closed) && RoundCorner(chain, k, p, lo, hi, tolerance)) return true;
  return (k + 1 < n || chain.closed) && RoundCorner(chain, (k + 1) % n, p, lo, hi, tolerance);
}

}  // namespace tq58
