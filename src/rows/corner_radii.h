// The radius with which each corner of one offset line is rounded: the row's own at every
// corner, or concentric, about the centres of the base path's own fillets.
#pragma once

#include <vector>

#include "geometry/geometry.h"
#include "path/base_path.h"

namespace tq58 {

// One radius per vertex k of the base path, for the corner between segments k - 1 and k
// (drawing units, never negative unless a negative scale made it so). On a closed path
// vertices 0 and n - 1 both stand for the closing corner; on an open path the two end
// vertices have no corner and their entries are not used.
using CornerRadii = std::vector<double>;

// Which way the base path turns at each vertex: Left (counterclockwise), Right, or On where
// it has no turning direction (straight on, back on itself, and at the ends of an open path);
// on a path with arcs from the directions in which it arrives and leaves (On where tangent).
std::vector<geometry::Side> BaseTurns(const BasePath& path);

// How far a fillet of radius r at a corner of the base path touches each of its two
// segments from the corner, as factors of r, for the turn phi (0 up to pi) there.
struct FilletReach {
  // tan(phi / 2): the row's two segments run as their base segments do (or both against).
  double alongBase = 0.0;
  // 1 / tan(phi / 2): one of them runs against its base segment (its spacing turned it
  // round), so the row turns by pi - phi there.
  double oneReversed = 0.0;
};

// The reach of a fillet where the path turns from direction `in` to direction `out` (vectors
// of any length); none where either is a null vector.
FilletReach ReachOfTurn(PointD in, PointD out);

// The reach at each vertex k, as BaseTurns gives the turns; none at the ends of an open path
// and where a segment has no length.
std::vector<FilletReach> FilletReaches(const BasePath& path);

// The radius of a corner rounded about the centre of the base path's fillet of `baseRadius`,
// for a row that lies `towardsCentre` nearer that centre than the base path: never below 0 (a
// row beyond the centre has no arc; NaN makes 0 too). Rows and junction corners alike.
double ConcentricRadius(double baseRadius, double towardsCentre);

// The row at signed distance `spacing` from the base path, rounded about the centres of the
// base path's fillets of `baseRadius`: baseRadius - spacing where the path turns left,
// baseRadius + spacing where it turns right, never below 0 (a sharp corner), and baseRadius
// where it does not turn.
CornerRadii ConcentricCornerRadii(const std::vector<geometry::Side>& turns, double baseRadius,
                                  double spacing);

}  // namespace tq58
