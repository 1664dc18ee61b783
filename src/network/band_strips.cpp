// Cells of the strips between outer rows, and the grid that finds them near a place.
#include "network/band_strips.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/circle_geometry.h"
#include "geometry/geometry.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "path/path_edit.h"
#include "util/portable_math.h"

namespace tq58 {

namespace {

using geometry::AngleAfter;
using std::numbers::pi;

double AngleOf(PointD v) { return geometry::DirectionAngle(v.x, v.y); }

Box Grown(Box box, PointD p) {
  return {std::min(box.minX, p.x), std::min(box.minY, p.y), std::max(box.maxX, p.x),
          std::max(box.maxY, p.y)};
}

Box BoxOfCell(const StripCell& cell) {
  const std::vector<Curve> sides = cell.Boundary();
  Box box = BoxOf(sides.front(), 0.0);
  for (const Curve& side : sides) {
    const Box b = BoxOf(side, 0.0);
    box = Grown(Grown(box, {b.minX, b.minY}), {b.maxX, b.maxY});
  }
  return box;
}

bool Overlap(const Box& a, const Box& b) {
  return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

}  // namespace

bool StripClip::Near(PointD p) const { return geometry::PointDistance(p, at) <= reach; }

bool StripClip::Beyond(PointD p) const {
  if (!Near(p) || p == at) return false;
  const double start = AngleOf(ray1);
  return AngleAfter(start, AngleOf(Minus(p, at))) < AngleAfter(start, AngleOf(ray2));
}

bool StripCell::Contains(PointD p, double tolerance) const {
  // Across the inner ends, where the next cell of the band goes on, never strictly.
  const double inner = std::fabs(tolerance);
  if (!sector) {
    const PointD q = Minus(p, origin);
    const double t = Dot(q, direction), d = Cross(direction, q);
    const double low = openStart ? tolerance : -inner;
    const double high = openEnd ? length - tolerance : length + inner;
    return t > low && t < high && d > across0 + tolerance && d < across1 - tolerance;
  }
  const double rho = geometry::PointDistance(p, centre);
  if (!(rho > radius0 + tolerance) || !(rho < radius1 - tolerance)) return false;
  // The angle from the start, before it counted negative, whichever side is nearer.
  double after = AngleAfter(from, AngleOf(Minus(p, centre)));
  if (after > sweep && after - sweep > 2.0 * pi - after) after -= 2.0 * pi;
  const double margin = tolerance / rho, innerMargin = inner / rho;
  return after > (openStart ? margin : -innerMargin) &&
         after < (openEnd ? sweep - margin : sweep + innerMargin);
}

std::vector<Curve> StripCell::Boundary() const {
  if (!sector) {
    const PointD n = LeftNormal(direction);
    const PointD a0 = Plus(origin, n, across0), a1 = Plus(origin, n, across1);
    const PointD b0 = Plus(a0, direction, length), b1 = Plus(a1, direction, length);
    return {Curve::Segment(a0, b0), Curve::Segment(a1, b1), Curve::Segment(a0, a1),
            Curve::Segment(b0, b1)};
  }
  std::vector<Curve> sides = {Curve::Arc(centre, radius1, from, sweep)};
  if (radius0 > 0.0) sides.push_back(Curve::Arc(centre, radius0, from, sweep));
  for (const double angle : {from, from + sweep}) {
    sides.push_back(
        Curve::Segment(PolarPoint(centre, radius0, angle), PolarPoint(centre, radius1, angle)));
  }
  return sides;
}

void BandStrips::AddBand(std::size_t band, const BasePath& path, double lo, double hi,
                         bool innerOnly) {
  const std::size_t n = path.points.size() - 1;
  for (std::size_t k = 0; k < n; ++k) {
    StripCell cell;
    cell.band = band;
    cell.piece = k;
    cell.innerOnly = innerOnly;
    const bool first = !path.closed && k == 0, last = !path.closed && k + 1 == n;
    if (const BaseArc* arc = PathArc(path, k)) {
      cell.sector = true;
      cell.centre = arc->centre;
      cell.from = arc->startDeg * pi / 180.0;
      cell.sweep = ArcSweepDeg(*arc) * pi / 180.0;
      const double r0 = OffsetRadius(*arc, lo), r1 = OffsetRadius(*arc, hi);
      cell.radius0 = std::max(0.0, std::min(r0, r1));
      cell.radius1 = std::max(r0, r1);
      // The path enters a clockwise arc at its end angle.
      cell.openStart = arc->clockwise ? last : first;
      cell.openEnd = arc->clockwise ? first : last;
      if (!(cell.radius1 > cell.radius0)) continue;
    } else {
      const PointD a = path.points[k], b = path.points[k + 1];
      cell.origin = a;
      cell.length = geometry::PointDistance(a, b);
      cell.direction = geometry::UnitVector(b.x - a.x, b.y - a.y);
      cell.across0 = lo;
      cell.across1 = hi;
      cell.openStart = first;
      cell.openEnd = last;
      if (!(cell.length > 0.0)) continue;
    }
    cell.box = BoxOfCell(cell);
    cells_.push_back(cell);
  }
  // The wedge on the outer side of each corner, up to the outer spacing on that side.
  const std::size_t firstCorner = path.closed ? 0 : 1;
  for (std::size_t v = firstCorner; v < n; ++v) {
    const PointD d1 = DirectionAtEnd(path, v == 0 ? n - 1 : v - 1), d2 = DirectionAtStart(path, v);
    const double turn = Cross(d1, d2), straight = Dot(d1, d2);
    if (!(std::fabs(turn) > geometry::kParallelSine)) continue;  // straight on, or back on itself
    const bool left = turn > 0.0;
    const double inner = left ? -hi : lo, outer = left ? -lo : hi;
    if (!(outer > 0.0)) continue;
    StripCell wedge;
    wedge.band = band;
    wedge.piece = v;
    wedge.wedge = true;
    wedge.sector = true;
    wedge.centre = path.points[v];
    wedge.radius0 = std::max(0.0, inner);
    wedge.radius1 = outer;
    const PointD n1 = LeftNormal(d1), n2 = LeftNormal(d2);
    wedge.from = left ? AngleOf({-n1.x, -n1.y}) : AngleOf(n2);
    wedge.sweep = util::PortableAtan2(std::fabs(turn), straight);
    wedge.box = BoxOfCell(wedge);
    cells_.push_back(wedge);
  }
}

int BandStrips::AddClip(const StripClip& clip) {
  clips_.push_back(clip);
  return static_cast<int>(clips_.size()) - 1;
}

void BandStrips::ClipCell(std::size_t cell, int clip) {
  std::array<int, 2>& clips = cells_[cell].clips;
  clips[clips[0] < 0 ? 0 : 1] = clip;
}

bool BandStrips::Inside(const StripCell& cell, PointD p, double tolerance) const {
  if (!cell.Contains(p, tolerance)) return false;
  return std::none_of(cell.clips.begin(), cell.clips.end(), [&](int c) {
    return c >= 0 && clips_[static_cast<std::size_t>(c)].Beyond(p);
  });
}

void BandStrips::Index() {
  grid_.clear();
  if (cells_.empty()) return;
  Box all = cells_.front().box;
  double area = 0.0;
  for (const StripCell& c : cells_) {
    all = Grown(Grown(all, {c.box.minX, c.box.minY}), {c.box.maxX, c.box.maxY});
    area += (c.box.maxX - c.box.minX) * (c.box.maxY - c.box.minY);
  }
  originX_ = all.minX;
  originY_ = all.minY;
  // About one cell's size per grid square, but never so many squares that a huge box floods it.
  const double extent = std::max(all.maxX - all.minX, all.maxY - all.minY);
  size_ = std::max({std::sqrt(area / static_cast<double>(cells_.size())), extent / kSquaresAcross,
                    kSmallestSquare});
  seen_.assign(cells_.size(), 0);
  everywhere_.clear();
  for (std::uint32_t i = 0; i < cells_.size(); ++i) {
    const Box& b = cells_[i].box;
    const auto x0 = static_cast<std::int64_t>((b.minX - originX_) / size_);
    const auto x1 = static_cast<std::int64_t>((b.maxX - originX_) / size_);
    const auto y0 = static_cast<std::int64_t>((b.minY - originY_) / size_);
    const auto y1 = static_cast<std::int64_t>((b.maxY - originY_) / size_);
    // A cell over very many squares is looked at for every box instead.
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMostSquares) {
      everywhere_.push_back(i);
      continue;
    }
    for (std::int64_t ix = x0; ix <= x1; ++ix) {
      for (std::int64_t iy = y0; iy <= y1; ++iy) grid_[Key(ix, iy)].push_back(i);
    }
  }
}

std::vector<std::uint32_t> BandStrips::Near(const Box& box) const {
  std::vector<std::uint32_t> found;
  ++stamp_;
  for (const std::uint32_t i : everywhere_) {
    if (!Overlap(cells_[i].box, box)) continue;
    seen_[i] = stamp_;
    found.push_back(i);
  }
  const auto clamp = [&](double v, double origin) {
    return static_cast<std::int64_t>(std::clamp((v - origin) / size_, -1.0, kSquaresAcross + 1.0));
  };
  for (std::int64_t ix = clamp(box.minX, originX_); ix <= clamp(box.maxX, originX_); ++ix) {
    for (std::int64_t iy = clamp(box.minY, originY_); iy <= clamp(box.maxY, originY_); ++iy) {
      const auto it = grid_.find(Key(ix, iy));
      if (it == grid_.end()) continue;
      for (const std::uint32_t i : it->second) {
        if (seen_[i] == stamp_ || !Overlap(cells_[i].box, box)) continue;
        seen_[i] = stamp_;
        found.push_back(i);
      }
    }
  }
  return found;
}

}  // namespace tq58
