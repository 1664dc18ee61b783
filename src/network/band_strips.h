// The strips of a network of bands: the area between each band's outer rows, as one cell per
// base piece (a band of straight sides, a ring sector along an arc) and a wedge on the outer
// side of each corner, found near a point through a grid.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "geometry/curve.h"
#include "path/base_path.h"

namespace tq58 {

using geometry::Box;
using geometry::Curve;

// Where a band ends on the centre line of a band that runs through: nothing of it counts on
// the far side, the sector from `ray1` counterclockwise to `ray2` about `at`, within `reach`.
struct StripClip {
  PointD at;
  PointD ray1, ray2;
  double reach = 0.0;
  std::size_t throughBand = 0;

  bool Beyond(PointD p) const;
  bool Near(PointD p) const;
};

struct StripCell {
  std::size_t band = 0;
  std::size_t piece = 0;  // its base piece; a wedge: its corner's vertex
  bool wedge = false;
  bool sector = false;
  // A straight cell: from `origin` along the unit `direction` for `length`, at signed
  // distances (left positive) from `across0` to `across1`.
  PointD origin, direction;
  double length = 0.0;
  double across0 = 0.0, across1 = 0.0;
  // A sector: about `centre` counterclockwise from `from` over `sweep` radians, at radii from
  // `radius0` to `radius1`.
  PointD centre;
  double from = 0.0, sweep = 0.0;
  double radius0 = 0.0, radius1 = 0.0;
  bool openStart = false, openEnd = false;  // an end of the band: closed off there
  bool innerOnly = false;            // closes off a band end at a junction, for inner rows alone
  std::array<int, 2> clips{-1, -1};  // the clips of the band's ends that bound it, if any
  Box box;

  // Whether p lies inside by more than `tolerance` (drawing units).
  bool Contains(PointD p, double tolerance) const;
  // The curves that bound it.
  std::vector<Curve> Boundary() const;
};

class BandStrips {
 public:
  // Adds the cells of a band along `path` between signed spacings lo < hi.
  void AddBand(std::size_t band, const BasePath& path, double lo, double hi,
               bool innerOnly = false);
  // Adds a band end's clip, returning its index for ClipCell.
  int AddClip(const StripClip& clip);
  // Bounds the cell by the clip as well (a cell takes the clips of its band's two ends).
  void ClipCell(std::size_t cell, int clip);

  // Builds the grid; to be called once after the last cell.
  void Index();

  // The cells whose boxes meet `box`, each once.
  std::vector<std::uint32_t> Near(const Box& box) const;

  const std::vector<StripCell>& Cells() const { return cells_; }
  const std::vector<StripClip>& Clips() const { return clips_; }
  std::size_t CellCount() const { return cells_.size(); }

  // Whether p lies inside the cell by more than `tolerance`, and beyond none of its clips.
  bool Inside(const StripCell& cell, PointD p, double tolerance) const;

 private:
  static std::uint64_t Key(std::int64_t ix, std::int64_t iy) {
    return static_cast<std::uint64_t>(ix) * 2654435761u + static_cast<std::uint64_t>(iy);
  }

  std::vector<StripCell> cells_;
  std::vector<StripClip> clips_;
  double size_ = 1.0;
  double originX_ = 0.0, originY_ = 0.0;
  // The grid's squares are at least 1 / kSquaresAcross of the cells' largest extent wide, so
  // a cell lies in squares 0 to kSquaresAcross; a box looked for is clamped to the squares
  // just outside those, -1 and kSquaresAcross + 1, since nothing lies further out.
  static constexpr double kSquaresAcross = 1024.0;
  // Nor narrower than this (drawing units), so that cells of next to no extent still make
  // squares of some size.
  static constexpr double kSmallestSquare = 1e-9;
  static constexpr std::int64_t kMostSquares = 4096;
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> grid_;
  std::vector<std::uint32_t> everywhere_;
  mutable std::vector<std::uint32_t> seen_;
  mutable std::uint32_t stamp_ = 0;
};

}  // namespace tq58
