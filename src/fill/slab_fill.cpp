// Non-zero filling by horizontal slabs. Within a slab no two edges cross, so the edges that
// span it keep their order from its bottom to its top; the winding number counted along that
// order says which spans between them lie inside.
#include "fill/slab_fill.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "geometry/geometry.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"

namespace tq58 {

namespace {

using geometry::PointDistance;

// How far c turns left of the line from o through a: twice the signed area of o, a, c.
double Turn(PointD o, PointD a, PointD c) {
  return geometry::Cross(geometry::Minus(a, o), geometry::Minus(c, o));
}

// An edge from its lower end to its upper one, and +1 where the loop runs upwards along it.
struct Rising {
  PointD low, high;
  int winding = 0;

  // Where it lies at height y (its ends exactly at theirs); below or above it, where its end
  // does, as a slab taken in within the narrowest width of an end reaches a little past it.
  double X(double y) const {
    if (y <= low.y) return low.x;
    if (y >= high.y) return high.x;
    return low.x + (y - low.y) * (high.x - low.x) / (high.y - low.y);
  }
};

// An edge spanning the slab, where it lies at the slab's bottom and top.
struct Spanning {
  std::size_t edge = 0;
  double bottom = 0.0, top = 0.0;
};

// A trapezoid growing upwards between two edges, from `y0` up to `y1`.
struct Open {
  std::size_t left = 0, right = 0;
  double y0 = 0.0, y1 = 0.0;
  bool closed = false;  // grown on into the slab above, or written
};

bool Same(PointD a, PointD b, double narrowest) {
  return std::fabs(a.x - b.x) <= narrowest && std::fabs(a.y - b.y) <= narrowest;
}

// The corners without repeats and without corners in line with their neighbours (within
// `narrowest`), kept only when they make a convex counterclockwise shape wider than that: its
// area over its longest side.
void AddConvex(std::vector<PointD> corners, double narrowest, std::vector<SolidPolygon>& out) {
  std::vector<PointD> kept;
  for (const PointD& p : corners) {
    if (kept.empty() || !Same(p, kept.back(), narrowest)) kept.push_back(p);
  }
  while (kept.size() > 1 && Same(kept.front(), kept.back(), narrowest)) kept.pop_back();
  for (std::size_t i = 0; kept.size() >= 3 && i < kept.size();) {
    const PointD& a = kept[(i + kept.size() - 1) % kept.size()];
    const PointD& c = kept[(i + 1) % kept.size()];
    if (std::fabs(Turn(a, kept[i], c)) <= narrowest * PointDistance(a, c)) {
      kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  if (kept.size() < 3) return;
  double area = 0.0, longest = 0.0;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const PointD& a = kept[i];
    const PointD& b = kept[(i + 1) % kept.size()];
    const PointD& c = kept[(i + 2) % kept.size()];
    if (Turn(a, b, c) < 0.0) {
      // A quadrilateral bent inwards at b by rounding: its two triangles either side of the
      // diagonal from b, each kept as thick as it is.
      if (kept.size() == 4) {
        const PointD d = kept[(i + 3) % 4];
        AddConvex({a, b, d}, narrowest, out);
        AddConvex({b, c, d}, narrowest, out);
      }
      return;
    }
    area += Turn(kept[0], a, b) / 2.0;
    longest = std::max(longest, PointDistance(a, b));
  }
  if (!(area / longest > narrowest)) return;
  SolidPolygon solid;
  solid.count = static_cast<int>(kept.size());
  std::copy(kept.begin(), kept.end(), solid.corners.begin());
  out.push_back(solid);
}

class SlabFiller {
 public:
  SlabFiller(const std::vector<FillEdge>& given, double narrowest) : narrowest_(narrowest) {
    // Slabs across the longer side of the whole cross it fewer times each: a long band lying
    // along x is cut into upright slabs, its coordinates swapped meanwhile.
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
    for (std::size_t i = 0; i < given.size(); ++i) {
      for (const PointD& p : {given[i].from, given[i].to}) {
        minX = i == 0 ? p.x : std::min(minX, p.x), maxX = i == 0 ? p.x : std::max(maxX, p.x);
        minY = i == 0 ? p.y : std::min(minY, p.y), maxY = i == 0 ? p.y : std::max(maxY, p.y);
      }
    }
    swapped_ = maxX - minX > maxY - minY;
    for (FillEdge e : given) {
      if (swapped_) e = {Swapped(e.from), Swapped(e.to)};
      if (e.from.y == e.to.y || !std::isfinite(e.from.x + e.from.y + e.to.x + e.to.y)) continue;
      edges_.push_back(e.from.y < e.to.y ? Rising{e.from, e.to, 1} : Rising{e.to, e.from, -1});
      heights_.push_back(e.from.y);
      heights_.push_back(e.to.y);
    }
    std::sort(heights_.begin(), heights_.end());
    // Heights nearer than the narrowest width are one: a slab between them would be too thin to
    // draw, and would break the trapezoids running through it.
    heights_.erase(std::unique(heights_.begin(), heights_.end(),
                               [&](double a, double b) { return b - a <= narrowest_; }),
                   heights_.end());
    order_.resize(edges_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
    std::sort(order_.begin(), order_.end(),
              [&](std::size_t a, std::size_t b) { return edges_[a].low.y < edges_[b].low.y; });
  }

  std::vector<SolidPolygon> Fill() {
    std::size_t next = 0;  // in order_: the first edge not yet taken in
    for (std::size_t h = 0; h + 1 < heights_.size(); ++h) {
      double y0 = heights_[h];
      const double y1 = heights_[h + 1];
      while (next < order_.size() && edges_[order_[next]].low.y <= y0 + narrowest_)
        active_.push_back(order_[next++]);
      std::erase_if(active_, [&](std::size_t e) { return edges_[e].high.y <= y0 + narrowest_; });
      // Crossings inside the slab cut it further.
      while (y0 < y1) {
        const double top = Slab(y0, y1);
        y0 = top;
      }
    }
    for (const Open& t : open_) Close(t);
    return std::move(out_);
  }

 private:
  // Fills from y0 up to the lowest crossing below y1 (or y1) and returns that height.
  double Slab(double y0, double y1) {
    spans_.clear();
    for (const std::size_t e : active_) spans_.push_back({e, edges_[e].X(y0), edges_[e].X(y1)});
    std::sort(spans_.begin(), spans_.end(), [](const Spanning& a, const Spanning& b) {
      return a.bottom != b.bottom ? a.bottom < b.bottom : a.top < b.top;
    });
    // Two edges that cross at the bottom itself (within rounding) take their order above it.
    for (bool swapped = true; swapped;) {
      swapped = false;
      for (std::size_t i = 0; i + 1 < spans_.size(); ++i) {
        if (spans_[i].top > spans_[i + 1].top && !(CrossingHeight(i, y0, y1) > y0 + narrowest_)) {
          std::swap(spans_[i], spans_[i + 1]);
          swapped = true;
        }
      }
    }
    // The first crossing is of two edges next to each other at the bottom.
    double top = y1;
    for (std::size_t i = 0; i + 1 < spans_.size(); ++i) {
      // (a crossing as near the top as the narrowest width counts as at the top)
      if (spans_[i].top > spans_[i + 1].top) {
        const double y = CrossingHeight(i, y0, y1);
        if (y < y1 - narrowest_) top = std::min(top, y);
      }
    }
    if (top < y1) {
      for (Spanning& s : spans_) s.top = edges_[s.edge].X(top);
    }
    std::sort(spans_.begin(), spans_.end(), [](const Spanning& a, const Spanning& b) {
      return a.bottom + a.top < b.bottom + b.top;
    });
    std::vector<Open> grown;
    std::unordered_map<std::uint64_t, std::size_t> grownAt;
    int winding = 0;
    std::size_t left = 0;
    for (const Spanning& s : spans_) {
      const int before = winding;
      winding += edges_[s.edge].winding;
      if (before == 0 && winding != 0) left = s.edge;
      if (before == 0 || winding != 0) continue;
      // The span from `left` to here lies inside: it grows the trapezoid below it, if any.
      const std::uint64_t key = Key(left, s.edge);
      const auto below = openAt_.find(key);
      if (below != openAt_.end() && !open_[below->second].closed) {
        Open& t = open_[below->second];
        grown.push_back({left, s.edge, t.y0, top});
        t.closed = true;
      } else {
        grown.push_back({left, s.edge, y0, top});
      }
      grownAt[key] = grown.size() - 1;
    }
    for (const Open& t : open_) {
      if (!t.closed) Close(t);
    }
    open_ = std::move(grown);
    openAt_ = std::move(grownAt);
    return top;
  }

  // Where the edges of spans i and i + 1, which change places in the slab, cross.
  double CrossingHeight(std::size_t i, double y0, double y1) const {
    const Spanning& a = spans_[i];
    const Spanning& b = spans_[i + 1];
    const double t = (b.bottom - a.bottom) / ((b.bottom - a.bottom) + (a.top - b.top));
    return y0 + t * (y1 - y0);
  }

  std::uint64_t Key(std::size_t left, std::size_t right) const {
    return static_cast<std::uint64_t>(left) * edges_.size() + right;
  }

  static PointD Swapped(PointD p) { return {p.y, p.x}; }

  // The trapezoid, counterclockwise in the drawing's own coordinates.
  void Close(const Open& t) {
    const Rising& l = edges_[t.left];
    const Rising& r = edges_[t.right];
    std::vector<PointD> corners = {
        {l.X(t.y0), t.y0}, {r.X(t.y0), t.y0}, {r.X(t.y1), t.y1}, {l.X(t.y1), t.y1}};
    if (swapped_) {
      for (PointD& p : corners) p = Swapped(p);
      std::reverse(corners.begin(), corners.end());
    }
    AddConvex(std::move(corners), narrowest_, out_);
  }

  double narrowest_;
  std::vector<Rising> edges_;
  std::vector<double> heights_;
  std::vector<std::size_t> order_, active_;
  std::vector<Spanning> spans_;
  bool swapped_ = false;
  std::vector<Open> open_;  // the trapezoids of the slab below, by their edges in openAt_
  std::unordered_map<std::uint64_t, std::size_t> openAt_;
  std::vector<SolidPolygon> out_;
};

}  // namespace

std::vector<SolidPolygon> FillLoops(const std::vector<FillEdge>& edges, double narrowest) {
  return SlabFiller(edges, narrowest).Fill();
}

}  // namespace tq58
