// Each prepared chain's band drawn alone, to tell where a point lies against it: its rows as
// they are drawn, without caps, both ends closed by the segment between its outer rows' ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
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
  // The chains whose regions may hold p or pass within `margin` of it, each with the square of how
  // far from p its centre line passes (a chain may come more than once, by parts of it): found
  // by the parts of the centre lines near p, so that long chains far away are not weighed.
  std::vector<std::pair<double, std::uint32_t>> Around(PointD p, double margin) const;
  const geometry::OutlineLocator& Region(std::size_t chain) const { return locators_[chain]; }

 private:
  // A part of a centre line at most a band's width long, and its chain.
  struct Stretch {
    Curve curve;
    std::uint32_t chain = 0;
    PointD direction;  // a segment's, with its length, to measure distances quickly
    double length = 0.0;
  };

  std::vector<geometry::OutlineLocator> locators_;
  geometry::BoxIndex boxes_;
  // How far from its centre line a region reaches: its outer spacing (but for the tips of its
  // corners, which are not looked for).
  double reach_ = 0.0;
  std::vector<Stretch> stretches_;
  geometry::BoxIndex stretchIndex_;  // per stretch, its box grown by the reach
};

}  // namespace tq58
