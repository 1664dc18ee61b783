// Rays along +y (in coordinates swapped where the outline is taller than wide, so that they
// cross its shorter side), the pieces filed by their x in buckets. An arc is cut where x turns,
// so that each piece crosses a ray at most once; a crossing counts where the piece's x range,
// taken half-open, holds the ray's x. Whole curves are filed by their x in the same buckets, to
// find those near a place. A query reads the buckets over the x it asks about: at worst as
// many curves as cross that width of the outline.
#include "geometry/outline_locator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "geometry/geometry.h"
#include "util/portable_math.h"

namespace tq58::geometry {

namespace {

constexpr double kPi = std::numbers::pi;
// Buckets are at most this many, and one for every two pieces.
constexpr std::size_t kMostBuckets = 1 << 14;

PointD Swap(PointD p) { return {p.y, p.x}; }

}  // namespace

OutlineLocator::OutlineLocator(const std::vector<Curve>& outline, double tolerance)
    : curves_(outline), tolerance_(tolerance) {
  if (outline.empty()) return;
  Box box = BoxOf(outline.front(), 0.0);
  for (const Curve& c : outline) box = Union(box, BoxOf(c, 0.0));
  swapped_ = box.maxY - box.minY > box.maxX - box.minX;
  for (const Curve& c : outline) {
    if (!c.arc) {
      Add(swapped_ ? Swap(c.start) : c.start, swapped_ ? Swap(c.end) : c.end);
    } else if (swapped_) {
      // Swapping x and y mirrors the arc: its angles run from π/2 the other way.
      Curve mirrored = Curve::Arc(Swap(c.centre), c.radius, kPi / 2.0 - c.from, -c.sweep);
      mirrored.start = Swap(c.start);
      mirrored.end = Swap(c.end);
      AddArc(mirrored);
    } else {
      AddArc(c);
    }
  }
  minX_ = swapped_ ? box.minY : box.minX;
  const double maxX = swapped_ ? box.maxY : box.maxX;
  buckets_.resize(std::clamp<std::size_t>(pieces_.size() / 2, 1, kMostBuckets));
  width_ = std::max((maxX - minX_) / static_cast<double>(buckets_.size()),
                    geometry::kSmallestBucketWidth);
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    const Piece& p = pieces_[i];
    const std::size_t first = Bucket(std::min(p.a.x, p.b.x));
    const std::size_t last = Bucket(std::max(p.a.x, p.b.x));
    for (std::size_t b = first; b <= last; ++b) buckets_[b].push_back(i);
  }
  near_.resize(buckets_.size());
  for (std::uint32_t i = 0; i < outline.size(); ++i) {
    boxes_.push_back(BoxOf(outline[i], 0.0));
    const auto [first, last] = BucketsOver(boxes_.back());
    firstNear_.push_back(static_cast<std::uint32_t>(first));
    for (std::size_t b = first; b <= last; ++b) near_[b].push_back(i);
  }
}

std::pair<std::size_t, std::size_t> OutlineLocator::BucketsOver(const Box& box) const {
  return {Bucket(swapped_ ? box.minY : box.minX), Bucket(swapped_ ? box.maxY : box.maxX)};
}

std::vector<std::uint32_t> OutlineLocator::CurvesNear(const Box& box) const {
  std::vector<std::uint32_t> found;
  ForEachCurveNear(box, [&](std::uint32_t i) { found.push_back(i); });
  return found;
}

void OutlineLocator::Add(PointD a, PointD b) {
  Piece piece;
  piece.a = a;
  piece.b = b;
  AddPiece(piece);
}

void OutlineLocator::AddArc(const Curve& arc) {
  // Cut where the arc passes an angle of 0 or π, where x turns.
  const double lo = std::min(arc.from, arc.from + arc.sweep);
  const double hi = std::max(arc.from, arc.from + arc.sweep);
  std::vector<double> cuts;
  for (double k = std::floor(lo / kPi) + 1.0; k * kPi < hi; k += 1.0) cuts.push_back(k * kPi);
  if (arc.sweep < 0.0) std::reverse(cuts.begin(), cuts.end());
  PointD at = arc.start;
  double angle = arc.from;
  for (std::size_t i = 0; i <= cuts.size(); ++i) {
    const double next = i < cuts.size() ? cuts[i] : arc.from + arc.sweep;
    const PointD to = i < cuts.size() ? PolarPoint(arc.centre, arc.radius, next) : arc.end;
    Piece piece;
    piece.a = at;
    piece.b = to;
    piece.arc = true;
    piece.centre = arc.centre;
    piece.radius = arc.radius;
    piece.upper = util::PortableSin((angle + next) / 2.0) > 0.0;
    AddPiece(piece);
    at = to;
    angle = next;
  }
}

void OutlineLocator::AddPiece(const Piece& piece) {
  if (piece.a.x != piece.b.x) pieces_.push_back(piece);
}

std::size_t OutlineLocator::Bucket(double x) const {
  const double b = std::floor((x - minX_) / width_);
  if (!(b > 0.0)) return 0;
  return std::min(static_cast<std::size_t>(b), buckets_.size() - 1);
}

int OutlineLocator::WindingAt(PointD p) const {
  if (buckets_.empty()) return 0;
  if (swapped_) p = Swap(p);
  int winding = 0;
  for (const std::size_t i : buckets_[Bucket(p.x)]) {
    const Piece& piece = pieces_[i];
    if ((piece.a.x <= p.x) == (piece.b.x <= p.x)) continue;
    double y;
    if (piece.arc) {
      const double dx = p.x - piece.centre.x;
      const double h = std::sqrt(std::max(0.0, piece.radius * piece.radius - dx * dx));
      y = piece.centre.y + (piece.upper ? h : -h);
    } else {
      y = piece.a.y + (p.x - piece.a.x) * (piece.b.y - piece.a.y) / (piece.b.x - piece.a.x);
    }
    // Counterclockwise round p, the outline crosses the ray above p from right to left.
    if (y > p.y) winding += piece.b.x < piece.a.x ? 1 : -1;
  }
  // Mirrored, the outline winds the other way round.
  return swapped_ ? -winding : winding;
}

double OutlineLocator::DistanceWithin(PointD p, double reach) const {
  double nearest = std::numeric_limits<double>::infinity();
  ForEachCurveNear({p.x - reach, p.y - reach, p.x + reach, p.y + reach}, [&](std::uint32_t i) {
    const double d = PointDistance(curves_[i].NearestPoint(p), p);
    if (d <= reach) nearest = std::min(nearest, d);
  });
  return nearest;
}

Where OutlineLocator::Locate(PointD p) const {
  if (DistanceWithin(p, tolerance_) <= tolerance_) return Where::OnOutline;
  return WindingAt(p) != 0 ? Where::Inside : Where::Outside;
}

}  // namespace tq58::geometry
