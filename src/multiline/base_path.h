// The base polyline of a multi-line: the indicated points up to the first missing one.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "exchange/model.h"
#include "util/geometry.h"

namespace tq58 {

using MyFunc::PointD;

struct BasePath {
  std::vector<PointD> points;  // P[1..n] of the indicated points, held from index 0
  bool closed = false;         // the last point repeats the first
};

// Points 1, 2, 3, ... of `hpPoints` up to the first undefined one, looking at no more than
// points 1 .. pointLimit + 1 (and never beyond point 99).
BasePath TakeBasePath(const std::array<JwwGaibu::THpPoint, JwwGaibu::kHpPointSlots>& hpPoints,
                      int32_t pointLimit);

}  // namespace tq58
