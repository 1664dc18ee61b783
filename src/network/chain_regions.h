// Each prepared chain's band drawn alone, to tell where a point lies against it: its rows as
// they are drawn, without caps, both ends closed by the segment between its outer rows' ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/box_index.h"
#include "geometry/outline_locator.h"
#include "network/band_lines.h"
#include "path/base_path.h"

namespace tq58 {

class ChainRegions {
 public:
  // The regions of `chains`, in their order; none for a chain of no piece or where the drawer's
  // outer rows have one spacing.
  ChainRegions(const std::vector<BasePath>& chains, const BandDrawer& drawer);

  std::size_t Count() const { return locators_.size(); }
  // The regions whose boxes meet `box`, in no particular order.
  std::vector<std::uint32_t> Near(const geometry::Box& box) const { return boxes_.Near(box); }
  const geometry::OutlineLocator& Region(std::size_t chain) const { return locators_[chain]; }

 private:
  std::vector<geometry::OutlineLocator> locators_;
  geometry::BoxIndex boxes_;
};

}  // namespace tq58
