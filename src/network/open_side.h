// A junction whose arms all leave to one side: the two arms that bound the open side either run
// through as one band that turns there, or, where they turn back too far for that, end back to
// back with one segment closing the back.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/geometry.h"

namespace tq58 {

using geometry::PointD;

struct OpenSide {
  // The open side runs counterclockwise from arm `first` to arm `second`.
  std::size_t first = 0, second = 0;
  bool fold = false;  // they turn back by more than kFoldTurn: they end back to back
};

// How far two directions leaving one point are from opposite (radians): 0 for a straight pair,
// the turn of a band running through from one into the other.
double FromOpposite(PointD a, PointD b);

// The open side of the directions leaving one point: the two neighbouring arms with more than
// a half turn between them; none where every gap is a half turn or less (or fewer than two arms).
std::optional<OpenSide> FindOpenSide(const std::vector<PointD>& arms);

}  // namespace tq58
