// Base paths taken apart and put together: turned round, joined end to start, split at a
// point, ended early or run on.
#pragma once

#include <cstddef>
#include <utility>

#include "geometry/curve.h"
#include "path/base_path.h"

namespace tq58 {

using geometry::Curve;

// The same path run from its end to its start.
BasePath Reversed(const BasePath& path);

// Path a, then b from a's end, which is taken for b's start; open, even where b ends where a
// starts: the caller closes it where it should be closed.
BasePath Joined(const BasePath& a, const BasePath& b);

// The path up to `at` on segment k and the path from there, for `at` strictly inside the
// segment (or its arc). A closed path opens there instead: the second part runs from `at`
// round to it again and the first is empty.
std::pair<BasePath, BasePath> SplitAt(const BasePath& path, std::size_t k, PointD at);

// The path up to vertex v and the path from there, for an inner vertex of an open path.
std::pair<BasePath, BasePath> SplitAtVertex(const BasePath& path, std::size_t v);

// The path without its inner vertices where a straight segment runs straight on into another
// (geometry::TurnBetween): one segment, as a line drawn whole. A closed path's start counts as
// inner.
BasePath WithoutStraightJoints(const BasePath& path);

// The curve of segment k as it lies (an arc counterclockwise, whichever way the path runs it).
Curve BaseCurve(const BasePath& path, std::size_t k);

// The path run on straight from its end to `to`: its last segment lengthened where it is
// straight, else a segment added.
BasePath RunOn(const BasePath& path, PointD to);

}  // namespace tq58
