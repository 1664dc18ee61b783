// The regions of a network's bands: their boxes and their outlines' curves filed by place, and
// which outlines are simple enough that crossing one tells in from out.
#include "network/network_regions.h"

#include <cmath>

#include "geometry/curve_meeting.h"
#include "geometry/vector2.h"

namespace tq58 {

namespace {

// An outline of at most this many curves is looked at whole for where it crosses itself.
constexpr std::size_t kFewOutlineCurves = 32;
using geometry::kLeftOffsetInTolerances;

}  // namespace

std::uint32_t NetworkRegions::Add(const BandRegion& region) {
  const std::size_t band = regions_.size();
  regions_.push_back(&region);
  firstCurve_.push_back(static_cast<std::uint32_t>(curves_.size()));
  // A region of no outline is filed under a box that meets none.
  bandIndex_.Add(region.outline.empty() ? geometry::Box{1.0, 1.0, -1.0, -1.0} : region.box);
  for (const OutlineCurve& c : region.outline) {
    curveIndex_.Add(BoxOf(c.curve, tolerance_));
    bandOf_.push_back(band);
    curves_.push_back(&c.curve);
    lengths_.push_back(c.curve.Length());
  }
  return firstCurve_.back();
}

void NetworkRegions::Index() {
  bandIndex_.Index();
  curveIndex_.Index();
  locators_.clear();
  simple_.clear();
  for (const BandRegion* region : regions_) locators_.emplace_back(region->curves, tolerance_);
  for (std::size_t b = 0; b < regions_.size(); ++b) simple_.push_back(SimpleOutline(b));
}

bool NetworkRegions::Inside(std::size_t band, PointD p) const {
  return locators_[band].Locate(p) == geometry::Where::Inside;
}

bool NetworkRegions::MayMeet(const Curve& a, const Curve& b) const {
  return a.arc || b.arc || !geometry::SegmentsApart(a, b, tolerance_);
}

bool NetworkRegions::SimpleOutline(std::size_t band) const {
  const std::vector<OutlineCurve>& outline = regions_[band]->outline;
  if (outline.empty()) return false;
  const Curve& first = outline.front().curve;
  const double half = first.Length() / 2.0;
  const PointD left = geometry::Plus(first.At(half), geometry::LeftNormal(first.DirectionAt(half)),
                                     kLeftOffsetInTolerances * tolerance_);
  if (locators_[band].WindingAt(left) != 1) return false;
  const auto crosses = [&](std::size_t k, std::size_t m) {
    const Curve& c = outline[k].curve;
    const Curve& other = outline[m].curve;
    if (!MayMeet(c, other)) return false;
    for (const geometry::Meeting& x : MeetCurves(c, other, tolerance_)) {
      // Curves that follow each other meet where one ends and the other starts.
      const auto atEnd = [&](const Curve& t) {
        return geometry::PointDistance(x.point, t.start) <= tolerance_ ||
               geometry::PointDistance(x.point, t.end) <= tolerance_;
      };
      if (!atEnd(c) || !atEnd(other)) return true;
    }
    return false;
  };
  // Every two curves of a short outline; those of a long one found near each other.
  if (outline.size() <= kFewOutlineCurves) {
    for (std::size_t k = 0; k < outline.size(); ++k) {
      for (std::size_t m = k + 1; m < outline.size(); ++m) {
        if (crosses(k, m)) return false;
      }
    }
    return true;
  }
  for (std::size_t k = 0; k < outline.size(); ++k) {
    for (const std::uint32_t id : curveIndex_.Near(BoxOf(outline[k].curve, tolerance_))) {
      if (bandOf_[id] != band || id - firstCurve_[band] <= k) continue;
      if (crosses(k, id - firstCurve_[band])) return false;
    }
  }
  return true;
}

}  // namespace tq58
