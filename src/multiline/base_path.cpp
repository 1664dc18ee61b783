// The base polyline of a multi-line: the indicated points up to the first missing one.
#include "multiline/base_path.h"

#include <algorithm>

#include "util/tolerances.h"

namespace tq58 {

BasePath TakeBasePath(const std::array<JwwGaibu::THpPoint, JwwGaibu::kHpPointSlots>& hpPoints,
                      int32_t pointLimit) {
  // Widened before adding 1 so that the largest limit does not overflow.
  const int64_t lastIndex = std::min<int64_t>(int64_t{pointLimit} + 1, JwwGaibu::kHpPointSlots - 1);
  BasePath path;
  for (int64_t i = 1; i <= lastIndex; ++i) {
    const JwwGaibu::THpPoint& hp = hpPoints[static_cast<std::size_t>(i)];
    if (!hp.Defined) break;  // points after a gap are ignored
    path.points.push_back({hp.X, hp.Y});
  }
  if (!path.points.empty()) {
    path.closed =
        MyFunc::SamePoint(path.points.front(), path.points.back(), MyFunc::kClosedPathTolerance);
  }
  return path;
}

}  // namespace tq58
