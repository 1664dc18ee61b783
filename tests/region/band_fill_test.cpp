// A band drawn alone filled against its region as the test sees it: every point strictly inside
// the region in some solid and no solid reaching outside it. The solids are read as the host
// would draw them.
#include "region/band_fill.h"

#include <gtest/gtest.h>

#include "network/network_kinds.h"
#include "network/solid_coverage.h"

namespace tq58 {
namespace {

using namespace network_kinds;

TEST(FillCoverage, EachBandAloneFillsItsRegionExactly) {
  Failures failures;
  for (int trial = 0; trial < 160; ++trial) {
    Sequence r(9100 + static_cast<uint64_t>(trial));
    const Network n = GenerateClear(r, trial % kKinds);
    const TLineTable table = Preset(r, n.w, false);
    for (const Band& kept : n.bands) {
      const Band band{kept.path, true, true};
      std::vector<std::optional<RowEnds>> ends;
      const MultiLine lines = BuildMultiLine(band.path, table, 1.0, &ends);
      CheckCoverage({RegionOf(band, table)}, FillBand(band.path, lines, ends, table, 1.0), 1e-6,
                    failures, trial, n, table);
    }
  }
}

// A polyline of short legs, so that the outer rows cross themselves, as the point mode draws.
TEST(FillCoverage, ShortLegsFollowTheOutlineByTheNonZeroRule) {
  Failures failures;
  for (int trial = 0; trial < 200; ++trial) {
    Sequence r(9400 + static_cast<uint64_t>(trial));
    Network n{"short legs", 3 + 3 * r.Unit(), {}, {}};
    std::vector<PointD> points;
    for (int k = 0; k < 3 + static_cast<int>(r.Below(5)); ++k)
      points.push_back({12 * r.Signed(), 12 * r.Signed()});
    n.Add(Open(points), true, true, {Open(points)}, false);
    const TLineTable table = Preset(r, n.w, false);
    std::vector<std::optional<RowEnds>> ends;
    const MultiLine lines = BuildMultiLine(n.bands[0].path, table, 1.0, &ends);
    CheckCoverage({RegionOf(n.bands[0], table)}, FillBand(n.bands[0].path, lines, ends, table, 1.0),
                  1e-6, failures, trial, n, table);
  }
}

}  // namespace
}  // namespace tq58
