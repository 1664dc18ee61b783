// Winding numbers of many points against one outline, each found from the few curves that a
// ray from the point crosses rather than from every curve.
#pragma once

#include <vector>

#include "geometry/curve.h"

namespace tq58::geometry {

class WindingIndex {
 public:
  // The outline: one or more closed loops, each curve in the direction of travel.
  explicit WindingIndex(const std::vector<Curve>& outline);

  // How many times the outline winds counterclockwise round p, a point off the outline: the
  // signed crossings of a ray from p across the outline's shorter side.
  int At(PointD p) const;

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

  bool swapped_ = false;  // x and y swapped, so that the rays run along +y
  double minX_ = 0.0, width_ = 1.0;
  std::vector<Piece> pieces_;
  std::vector<std::vector<std::size_t>> buckets_;
};

}  // namespace tq58::geometry
