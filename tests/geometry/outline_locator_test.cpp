// The inside test against the tests' own plain model of the winding number, on random loops of
// segments and arcs (self-crossing ones among them), at points near the curves and far from the
// origin.
#include "geometry/outline_locator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "support/sequence.h"
#include "support/winding_model.h"

namespace {

using std::numbers::pi;
using tq58::geometry::Curve;
using tq58::geometry::OutlineLocator;
using tq58::geometry::PointD;
using tq58::geometry::Where;

double ModelDistance(const std::vector<Curve>& outline, PointD p) {
  double d = INFINITY;
  for (const Curve& c : outline) {
    const PointD q = c.NearestPoint(p);
    d = std::min(d, std::hypot(q.x - p.x, q.y - p.y));
  }
  return d;
}

// The curve from a to b: a segment, or an arc over `sweep` (signed, counterclockwise positive).
Curve Between(PointD a, PointD b, double sweep) {
  if (sweep == 0) return Curve::Segment(a, b);
  const double chord = std::hypot(b.x - a.x, b.y - a.y),
               r = chord / (2 * std::sin(std::fabs(sweep) / 2));
  // The centre lies on the chord's bisector, left of it for a counterclockwise arc under a half
  // turn.
  const double h = std::sqrt(std::max(0.0, r * r - chord * chord / 4)) *
                   ((sweep > 0) == (std::fabs(sweep) < pi) ? 1 : -1);
  const PointD m{(a.x + b.x) / 2, (a.y + b.y) / 2};
  const PointD c{m.x - h * (b.y - a.y) / chord, m.y + h * (b.x - a.x) / chord};
  Curve arc = Curve::Arc(c, r, std::atan2(a.y - c.y, a.x - c.x), sweep);
  arc.start = a;
  arc.end = b;
  return arc;
}

// One to three loops of 3 to 9 curves through random points of a square `size` wide at `origin`
// (so loops cross themselves and each other), each curve a segment or an arc of up to 1.5 turns
// either way; now and then a whole circle.
std::vector<Curve> RandomOutline(tq58_test::Sequence& r, PointD origin, double size) {
  std::vector<Curve> outline;
  for (uint64_t loop = 0, loops = 1 + r.Below(3); loop < loops; ++loop) {
    if (r.Below(6) == 0) {
      const PointD c{origin.x + size * r.Signed(), origin.y + size * r.Signed()};
      outline.push_back(
          Curve::Arc(c, size * (0.1 + r.Unit()), pi * r.Signed(), r.Below(2) ? 2 * pi : -2 * pi));
      continue;
    }
    std::vector<PointD> points;
    for (uint64_t k = 0, n = 3 + r.Below(7); k < n; ++k)
      points.push_back({origin.x + size * r.Signed(), origin.y + size * r.Signed()});
    for (std::size_t k = 0; k < points.size(); ++k) {
      const double sweep = r.Below(2) ? 0.0 : 1.5 * pi * r.Signed();
      outline.push_back(Between(points[k], points[(k + 1) % points.size()], sweep));
    }
  }
  return outline;
}

TEST(OutlineLocator, AgreesWithTheAngleSumAndTheDistanceOnRandomOutlines) {
  tq58_test::Sequence r(58);
  int inside = 0, on = 0;
  for (int trial = 0; trial < 400; ++trial) {
    const double far = trial % 4 == 0 ? 1e7 : 0.0;
    const PointD origin{far * r.Signed(), far * r.Signed()};
    const double size = 10 * (1 + r.Unit());
    const double tolerance = 1e-6 * size;
    const std::vector<Curve> outline = RandomOutline(r, origin, size);
    const OutlineLocator locator(outline, tolerance);
    for (int k = 0; k < 200; ++k) {
      PointD p{origin.x + 1.2 * size * r.Signed(), origin.y + 1.2 * size * r.Signed()};
      if (k % 2 == 0) {
        // Beside a curve, from well off it to within the tolerance.
        const Curve& c = outline[r.Below(outline.size())];
        const PointD q = c.At(c.Length() * r.Unit());
        const double angle = 2 * pi * r.Unit(), d = tolerance * std::pow(10.0, 4 * r.Signed());
        p = {q.x + d * std::cos(angle), q.y + d * std::sin(angle)};
      }
      const double distance = ModelDistance(outline, p);
      // Rounding near the outline, grown with the coordinates, may tip either way.
      if (std::fabs(distance - tolerance) < 1e-9 * size + 1e-15 * std::fabs(far)) continue;
      const Where where = locator.Locate(p);
      if (distance <= tolerance) {
        EXPECT_EQ(where, Where::OnOutline) << "trial " << trial << ", point " << k;
        ++on;
        continue;
      }
      const int winding = tq58_test::WindingOf(outline, p);
      EXPECT_EQ(locator.WindingAt(p), winding) << "trial " << trial << ", point " << k;
      EXPECT_EQ(where, winding != 0 ? Where::Inside : Where::Outside)
          << "trial " << trial << ", point " << k;
      inside += winding != 0;
    }
  }
  // The points were neither all inside, nor all outside, nor never on the outline.
  EXPECT_GT(inside, 10000);
  EXPECT_GT(on, 5000);
}

TEST(OutlineLocator, FindsTheDistanceOnlyWithinItsReach) {
  const OutlineLocator square({Curve::Segment({0, 0}, {4, 0}), Curve::Segment({4, 0}, {4, 4}),
                               Curve::Segment({4, 4}, {0, 4}), Curve::Segment({0, 4}, {0, 0})},
                              1e-9);
  EXPECT_DOUBLE_EQ(square.DistanceWithin({1, 1}, 2), 1);
  EXPECT_EQ(square.DistanceWithin({2, 2}, 1.5), INFINITY);
  EXPECT_EQ(OutlineLocator({}, 1e-9).Locate({0, 0}), Where::Outside);
}

}  // namespace
