// The prepared chains' regions, drawn as seams at both ends so that no cap and no drawn closing
// segment is added, and filed by their boxes.
#include "network/chain_regions.h"

namespace tq58 {

ChainRegions::ChainRegions(const std::vector<BasePath>& chains, const BandDrawer& drawer) {
  const BandEnd alone{true, true, {}};
  locators_.reserve(chains.size());
  for (const BasePath& chain : chains) {
    const BandRegion region = drawer.Draw(chain, alone, alone).region;
    locators_.emplace_back(region.curves, drawer.Tolerance());
    // A region of no outline is filed under a box that meets none.
    boxes_.Add(region.curves.empty() ? geometry::Box{1.0, 1.0, -1.0, -1.0} : region.box);
  }
  boxes_.Index();
}

}  // namespace tq58
