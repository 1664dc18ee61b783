// The regions of all bands of a network, each curve of their outlines found near a place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/box_index.h"
#include "geometry/outline_locator.h"
#include "region/band_region.h"

namespace tq58 {

class NetworkRegions {
 public:
  explicit NetworkRegions(double tolerance) : tolerance_(tolerance) {}

  // Adds the next band's region, which must outlive this; returns its first curve's number.
  std::uint32_t Add(const BandRegion& region);
  // Builds the indexes; to be called once after the last band.
  void Index();

  std::size_t BandCount() const { return regions_.size(); }
  const BandRegion& Region(std::size_t band) const { return *regions_[band]; }
  // Whether p lies strictly inside the band's region.
  bool Inside(std::size_t band, PointD p) const;
  // Whether the band's outline crosses nowhere and runs counterclockwise, its region on the
  // left of every curve: a curve passing one of them passes into the region or out of it.
  bool Simple(std::size_t band) const { return simple_[band]; }

  std::vector<std::uint32_t> BandsNear(const geometry::Box& box) const {
    return bandIndex_.Near(box);
  }
  std::vector<std::uint32_t> CurvesNear(const geometry::Box& box) const {
    return curveIndex_.Near(box);
  }
  std::size_t BandOf(std::uint32_t curve) const { return bandOf_[curve]; }
  const Curve& CurveAt(std::uint32_t curve) const { return *curves_[curve]; }
  double LengthAt(std::uint32_t curve) const { return lengths_[curve]; }

  // Whether two curves may meet within the tolerance: segments each of whose ends lie clear on
  // one side of the other's line cannot. A quick test before the exact one.
  bool MayMeet(const Curve& a, const Curve& b) const;

 private:
  bool SimpleOutline(std::size_t band) const;

  double tolerance_;
  std::vector<const BandRegion*> regions_;
  std::vector<std::uint32_t> firstCurve_;
  std::vector<bool> simple_;
  std::vector<std::size_t> bandOf_;
  std::vector<const Curve*> curves_;
  std::vector<double> lengths_;
  std::vector<geometry::OutlineLocator> locators_;  // per band, its region's outline
  geometry::BoxIndex bandIndex_;                    // per band, its region's box
  geometry::BoxIndex curveIndex_;                   // per curve of every outline
};

}  // namespace tq58
