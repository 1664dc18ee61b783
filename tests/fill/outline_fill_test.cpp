// An outline of segments and arcs filled, checked against the region it bounds: every point
// strictly inside it in some solid and no solid reaching outside it. The solids are read as the
// host would draw them.
#include "fill/outline_fill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <variant>
#include <vector>

#include "network/network_kinds.h"
#include "network/solid_coverage.h"

namespace tq58 {
namespace {

using namespace network_kinds;

// A quarter ring with a notch cut into it from its straight side, and a whole ring: arcs about
// one centre that run opposite ways, a ring sector only where no other curve enters it.
TEST(FillCoverage, ConcentricArcsMakeRingSectorsOnlyWhereNothingEntersThem) {
  Failures failures;
  const Network n{"notched quarter ring and a whole ring", 1, {}, {}};
  const PointD o{30, 0};
  const Region region{{{Curve::Segment({5, 0}, {7.5, 4}), Curve::Segment({7.5, 4}, {10, 0}),
                        Curve::Arc({0, 0}, 10, 0, kPi / 2), Curve::Segment({0, 10}, {0, 5}),
                        Curve::Arc({0, 0}, 5, kPi / 2, -kPi / 2)},
                       {Curve::Arc(o, 6, 1, 2 * kPi)},
                       {Curve::Arc(o, 3, 0, -2 * kPi)}}};
  std::vector<Curve> outline;
  for (const auto& loop : region.loops) outline.insert(outline.end(), loop.begin(), loop.end());
  const Solids solids = FillOutline(outline, 0.25, kClose);
  CheckCoverage({region}, solids, 1e-6, failures, 0, n, TLineTable{});
  EXPECT_EQ(
      std::count_if(solids.begin(), solids.end(),
                    [](const Solid& s) { return std::holds_alternative<SolidRingSector>(s); }),
      1);
}

}  // namespace
}  // namespace tq58
