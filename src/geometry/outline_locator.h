// Where points lie against one closed outline of segments and arcs: inside by the non-zero
// winding rule, on the outline, or outside. Each answer comes from the few curves that a ray
// from the point crosses and the few near it, never from the whole outline.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "geometry/box_index.h"
#include "geometry/curve.h"

namespace tq58::geometry {

enum class Where { Outside, OnOutline, Inside };

class OutlineLocator {
 public:
  // The outline: one or more closed loops, each curve in the direction of travel; `tolerance`
  // (drawing units) is how near the outline a point lies on it.
  OutlineLocator(const std::vector<Curve>& outline, double tolerance);

  // How many times the outline winds counterclockwise round p, a point off the outline: the
  // signed crossings of a ray from p across the outline's shorter side.
  int WindingAt(PointD p) const;
  // On the outline where p lies within the tolerance of a curve; otherwise inside where the
  // outline winds round it, outside where not.
  Where Locate(PointD p) const;
  // The distance from p to the nearest curve, where some curve lies within `reach`; above
  // `reach` (infinity) where none does.
  double DistanceWithin(PointD p, double reach) const;
  // The numbers of the curves whose boxes meet `box`, in no particular order.
  std::vector<std::uint32_t> CurvesNear(const Box& box) const;

  const std::vector<Curve>& Curves() const { return curves_; }

 private:
  // A piece of a curve over which the coordinate along the buckets only grows or only shrinks.
  struct Piece {
    PointD a, b;
    bool arc = false;
    PointD centre;
    double radius = 0.0;
    bool upper = false;  // an arc piece on the side of its centre that the ray runs to
  };

  void Add(PointD a, PointD b);
  void AddArc(const Curve& arc);
  void AddPiece(const Piece& piece);
  std::size_t Bucket(double x) const;
  // The first and last bucket over the box's extent along the buckets.
  std::pair<std::size_t, std::size_t> BucketsOver(const Box& box) const;
  // Calls f with the number of each curve whose box meets `box`, once each.
  template <typename F>
  void ForEachCurveNear(const Box& box, const F& f) const {
    if (near_.empty()) return;
    const auto [first, last] = BucketsOver(box);
    for (std::size_t b = first; b <= last; ++b) {
      for (const std::uint32_t i : near_[b]) {
        // Taken in the first of the buckets looked at that it is filed in: found once.
        if (b == std::max<std::size_t>(firstNear_[i], first) && Overlap(boxes_[i], box)) f(i);
      }
    }
  }

  std::vector<Curve> curves_;
  double tolerance_;
  bool swapped_ = false;  // x and y swapped, so that the rays run along +y
  double minX_ = 0.0, width_ = 1.0;
  std::vector<Piece> pieces_;
  std::vector<std::vector<std::size_t>> buckets_;  // per bucket: the pieces over it
  std::vector<Box> boxes_;                         // per curve: its box
  std::vector<std::uint32_t> firstNear_;           // per curve: the first bucket over it
  std::vector<std::vector<std::uint32_t>> near_;   // per bucket: the curves over it
};

}  // namespace tq58::geometry
