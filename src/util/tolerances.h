// The fixed tolerances of the geometry and of the exchange file, one name per purpose.
#pragma once

namespace MyFunc {

// Components below this magnitude make a null vector (drawing units).
inline constexpr double kZeroVectorTolerance = 1e-10;
// Step to which RoundFine rounds.
inline constexpr double kFineRoundingStep = 1e-10;
// First and last base point this close in x and in y close the path (drawing units).
inline constexpr double kClosedPathTolerance = 1e-10;
// Solid corner points this close in x and in y coincide (drawing units).
inline constexpr double kSolidPointTolerance = 1e-10;

// Two points this close in x and in y are the same point (drawing units).
inline constexpr double kPointEqualityTolerance = 1e-8;
// Unit of the zero band and margin of IntersectLines (drawing units).
inline constexpr double kIntersectionTolerance = 1e-8;
// Distance from a line below which a point lies on it (drawing units).
inline constexpr double kSideTolerance = 1e-8;
// Length a segment needs beyond the radius for its corner to be rounded (drawing units).
inline constexpr double kCornerLengthTolerance = 1e-8;
// Segments, arcs and text directions at or below this size are not written (drawing units).
inline constexpr double kDegenerateGeometryTolerance = 1e-8;

// Directions whose unit vectors' cross product (the sine of the angle between them) is no more
// than this are parallel: far above rounding, far below any drawn angle (dimensionless).
inline constexpr double kParallelSine = 1e-12;
// Fraction of the size of two curves (their largest |coordinate| or radius, at least 1) within
// which they touch rather than cross or miss, and within which lines or circles are one: rounding
// is about 1e-16 of that size, so 1e-12 is far above it and below any drawn detail.
inline constexpr double kRelativeMeetingTolerance = 1e-12;

}  // namespace MyFunc
