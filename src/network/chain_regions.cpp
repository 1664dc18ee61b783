// The prepared chains' regions, drawn as seams at both ends so that no cap and no drawn closing
// segment is added, and filed by their boxes.
#include "network/chain_regions.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/place_order.h"
#include "geometry/vector2.h"
#include "network/centre_line_index.h"
#include "path/path_edit.h"

namespace tq58 {

namespace {

// A piece is cut into stretches about a band's width long, but into no more than this many: a
// piece very long against its band is looked at in longer stretches, not in millions of them.
constexpr double kMostStretchesPerPiece = 64.0;

}  // namespace

ChainRegions::ChainRegions(const std::vector<BasePath>& chains, const BandDrawer& drawer) {
  const BandEnd alone{true, true, {}, {}};
  reach_ = drawer.Reach();
  const double longest = std::max(drawer.Hi() - drawer.Lo(), drawer.Tolerance());
  locators_.reserve(chains.size());
  for (const BasePath& chain : chains) {
    const BandRegion region = drawer.Draw(chain, alone, alone).region;
    locators_.emplace_back(region.curves, drawer.Tolerance());
    // A region of no outline is filed under a box that meets none.
    boxes_.Add(region.curves.empty() ? geometry::Box{1.0, 1.0, -1.0, -1.0} : region.box);
    const auto c = static_cast<std::uint32_t>(locators_.size() - 1);
    for (std::size_t k = 0; k + 1 < chain.points.size() && !region.curves.empty(); ++k) {
      const Curve piece = BaseCurve(chain, k);
      const double length = piece.Length();
      const double parts = std::clamp(std::ceil(length / longest), 1.0, kMostStretchesPerPiece);
      for (double m = 0.0; m < parts; m += 1.0) {
        const Curve part = piece.Part(length * m / parts, length * (m + 1.0) / parts);
        stretches_.push_back({part, c, part.DirectionAt(0.0), part.Length()});
      }
    }
  }
  boxes_.Index();
  // Filed in the Z-order of their middles, so that the stretches near a place lie near each
  // other in memory too.
  std::vector<PointD> middles;
  for (const Stretch& s : stretches_) middles.push_back(s.curve.At(s.length / 2.0));
  std::vector<Stretch> ordered;
  ordered.reserve(stretches_.size());
  for (const std::size_t i : geometry::ZOrder(middles)) ordered.push_back(stretches_[i]);
  stretches_ = std::move(ordered);
  for (const Stretch& s : stretches_) stretchIndex_.Add(BoxOf(s.curve, reach_));
  stretchIndex_.Index();
}

std::vector<std::pair<double, std::uint32_t>> ChainRegions::Around(PointD p, double margin) const {
  std::vector<std::pair<double, std::uint32_t>> found;
  const double within = (reach_ + margin) * (reach_ + margin);
  stretchIndex_.ForEachNear(BoxAround(p, margin), [&](std::uint32_t i) {
    const Stretch& s = stretches_[i];
    PointD foot;
    if (s.curve.arc) {
      foot = s.curve.NearestPoint(p);
    } else {
      // A segment's foot from its start and direction, clamped onto it.
      const double along =
          std::clamp(geometry::Dot(geometry::Minus(p, s.curve.start), s.direction), 0.0, s.length);
      foot = geometry::Plus(s.curve.start, s.direction, along);
    }
    const double dx = foot.x - p.x, dy = foot.y - p.y, squared = dx * dx + dy * dy;
    if (squared <= within) found.push_back({squared, s.chain});
  });
  return found;
}

}  // namespace tq58
