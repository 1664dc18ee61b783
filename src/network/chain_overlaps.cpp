// Overlaps found between pieces through MeetCurves, and the rest of each chain cut out by
// places along it: a piece's number plus the fraction of its length travelled.
#include "network/chain_overlaps.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "geometry/curve_meeting.h"
#include "geometry/place_order.h"
#include "network/centre_line_index.h"
#include "path/path_edit.h"

namespace tq58 {

namespace {

using geometry::Contact;
using geometry::Meeting;
using Stretch = std::pair<double, double>;  // from and to, as places along a chain

// A curve of a chain's outline is tried at this many points at most, so that a curve very long
// against the margin costs no more than this.
constexpr double kMostCoverSamples = 1024.0;
using geometry::kCoverDepthInMargins;
// How many of the regions that held points before are asked first.
constexpr std::size_t kRecentHolders = 4;
// Added to the distances of the chains after the one weighed, so that they sort after all
// before it.
constexpr double kAfterFirst = std::numeric_limits<double>::max() / 4.0;

bool Backwards(const BasePath& path, std::size_t k) {
  const Curve* arc = PathArc(path, k);
  return arc != nullptr && RunsClockwise(*arc);
}

// The stretches of piece k of chain c that overlap an earlier piece by more than `tolerance`.
std::vector<Stretch> OverlapsOfPiece(const std::vector<BasePath>& chains,
                                     const CentreLineIndex& pieces, std::size_t c, std::size_t k,
                                     double tolerance) {
  std::vector<Stretch> found;
  const Curve a = BaseCurve(chains[c], k);
  const double length = a.Length();
  for (const CentrePiece& other : pieces.Near(geometry::BoxOf(a, tolerance))) {
    if (other.chain > c || (other.chain == c && other.k >= k)) continue;
    // Only pieces on one line or one circle overlap: the carriers tell at once, where many
    // pieces leave one point.
    const Curve b = BaseCurve(chains[other.chain], other.k);
    if (geometry::MeetCarriers(a, b).contact != Contact::Overlap) continue;
    double from = std::numeric_limits<double>::infinity(), to = -from;
    for (const Meeting& m : MeetCurves(a, b, tolerance)) {
      if (m.contact != Contact::Overlap) continue;
      from = std::min(from, m.s);
      to = std::max(to, m.s);
    }
    if (!(to - from > tolerance)) continue;
    if (from <= tolerance) from = 0.0;
    if (to >= length - tolerance) to = length;
    if (Backwards(chains[c], k)) std::tie(from, to) = std::pair{length - to, length - from};
    found.push_back({k + from / length, k + to / length});
  }
  return found;
}

std::vector<PointD> Starts(const std::vector<BasePath>& chains) {
  std::vector<PointD> starts;
  for (const BasePath& chain : chains) {
    starts.push_back(chain.points.empty() ? PointD{} : chain.points.front());
  }
  return starts;
}

// The point at a place; the path's end is the end of its last piece.
PointD PointAtPlace(const BasePath& path, double place) {
  const auto k = std::min(static_cast<std::size_t>(place), path.points.size() - 2);
  const Curve curve = BaseCurve(path, k);
  const double s = (place - static_cast<double>(k)) * curve.Length();
  return curve.At(Backwards(path, k) ? curve.Length() - s : s);
}

// The open path up to (or from) a place along it.
BasePath Cut(const BasePath& path, double place, PointD at, bool keepBefore) {
  const auto k = static_cast<std::size_t>(place);
  const std::size_t n = path.points.size() - 1;
  if (place == static_cast<double>(k)) {
    if (k == (keepBefore ? n : 0)) return path;
    return keepBefore ? SplitAtVertex(path, k).first : SplitAtVertex(path, k).second;
  }
  return keepBefore ? SplitAt(path, k, at).first : SplitAt(path, k, at).second;
}

BasePath StretchOf(BasePath path, const Stretch& stretch) {
  path.closed = false;
  const PointD from = PointAtPlace(path, stretch.first), to = PointAtPlace(path, stretch.second);
  return Cut(Cut(path, stretch.second, to, true), stretch.first, from, false);
}

// Whether every point of chain c's region outline lies inside, or within `margin` of, the region
// of a chain that `counts`.
template <typename Counts>
bool Covered(const ChainRegions& regions, std::size_t c, double margin, const Counts& counts,
             std::vector<std::size_t>& holders) {
  const std::vector<Curve>& outline = regions.Region(c).Curves();
  if (outline.empty()) return false;
  // How far round p the region q holds every point: where p lies inside it at a depth d, every
  // point within d + margin; where p lies outside within the margin, what is left of it; none
  // (below zero) where q does not hold p. Depths are sought up to a few margins.
  const double deepest = kCoverDepthInMargins * margin;
  const auto holding = [&](std::size_t q, PointD p) {
    const geometry::OutlineLocator& other = regions.Region(q);
    const double d = other.DistanceWithin(p, deepest);
    if (other.WindingAt(p) != 0) return std::min(d, deepest) + margin;
    return d <= margin ? margin - d : -1.0;
  };
  // The disc round the last point held, every point of which is held.
  PointD heldAt;
  double heldRadius = -1.0;
  const auto held = [&](PointD p) {
    if (geometry::PointDistance(p, heldAt) <= heldRadius) return true;
    const auto take = [&](std::size_t q) {
      const double radius = holding(q, p);
      if (radius < 0.0) return false;
      heldAt = p;
      heldRadius = radius;
      if (std::find(holders.begin(), holders.end(), q) == holders.end()) holders.push_back(q);
      return true;
    };
    // The regions that held points before, latest first: a few mostly hold a whole outline.
    for (std::size_t k = holders.size(); k-- > 0 && k + kRecentHolders >= holders.size();) {
      if (take(holders[k])) return true;
    }
    // The regions of chains before c first (kept for good), then those after it, which are kept
    // for c's sake where they hold it; each in turn the one whose centre line passes nearest
    // first, as likely to hold p deepest.
    std::vector<std::pair<double, std::uint32_t>> around = regions.Around(p, margin);
    std::erase_if(around, [&](const auto& x) { return x.second == c || !counts(x.second); });
    for (auto& [d, q] : around) d += q > c ? kAfterFirst : 0.0;
    std::sort(around.begin(), around.end());
    for (std::size_t k = 0; k < around.size(); ++k) {
      const std::uint32_t q = around[k].second;
      if ((k == 0 || q != around[k - 1].second) && take(q)) return true;
    }
    return false;
  };
  // Each curve at points at most a margin apart (but never more than kMostCoverSamples): a
  // chain apart from the others fails at its first point away from them.
  return std::all_of(outline.begin(), outline.end(), [&](const Curve& t) {
    const double length = t.Length();
    const double steps = std::clamp(std::ceil(length / margin), 1.0, kMostCoverSamples);
    for (double k = 0.0; k < steps; k += 1.0) {
      if (!held(t.At(length * k / steps))) return false;
    }
    return true;
  });
}

}  // namespace

void RemoveOverlaps(SplitChains& split, double tolerance) {
  const CentreLineIndex pieces(split.chains, tolerance);
  // Found in the Z-order of the chains' starts, as near chains read much the same pieces.
  std::vector<std::vector<Stretch>> goneOf(split.chains.size());
  for (const std::size_t c : geometry::ZOrder(Starts(split.chains))) {
    for (std::size_t k = 0; k + 1 < split.chains[c].points.size(); ++k) {
      for (const Stretch& s : OverlapsOfPiece(split.chains, pieces, c, k, tolerance)) {
        goneOf[c].push_back(s);
      }
    }
  }
  SplitChains out;
  for (std::size_t c = 0; c < split.chains.size(); ++c) {
    const BasePath& chain = split.chains[c];
    const auto n = static_cast<double>(chain.points.size() - 1);
    std::vector<Stretch>& gone = goneOf[c];
    if (gone.empty()) {
      out.AddPartOf(split, c, chain, split.seams[c]);
      continue;
    }
    std::sort(gone.begin(), gone.end());
    std::vector<Stretch> kept;
    double at = 0.0;
    for (const Stretch& s : gone) {
      if (s.first > at) kept.push_back({at, s.first});
      at = std::max(at, s.second);
    }
    if (at < n) kept.push_back({at, n});
    std::vector<BasePath> parts;
    for (const Stretch& s : kept) parts.push_back(StretchOf(chain, s));
    // A closed chain runs on from its last stretch into its first through its start.
    if (chain.closed && parts.size() >= 2 && kept.front().first == 0.0 && kept.back().second == n) {
      parts.front() = Joined(parts.back(), parts.front());
      parts.pop_back();
      kept.pop_back();
    }
    for (std::size_t k = 0; k < parts.size(); ++k) {
      const bool start = !chain.closed && kept[k].first == 0.0 && split.seams[c][0];
      const bool end = !chain.closed && kept[k].second == n && split.seams[c][1];
      out.AddPartOf(split, c, std::move(parts[k]), {start, end});
    }
  }
  split = std::move(out);
}

void RemoveCoveredChains(SplitChains& split, const ChainRegions& regions, double margin) {
  if (!(margin > 0.0)) return;
  const std::vector<BasePath>& chains = split.chains;
  // In the order given: a chain is left out where the chains kept before it and those after it
  // cover it, and those after it that it is left out for are then kept whatever they add, so
  // that none goes for the sake of another that goes too (as along a fan of near copies).
  std::vector<bool> covered(chains.size(), false), needed(chains.size(), false);
  std::vector<std::size_t> holders;
  for (std::size_t c = 0; c < chains.size(); ++c) {
    if (needed[c] || split.seams[c][0] || split.seams[c][1] || chains[c].points.size() < 2) {
      continue;
    }
    holders.clear();
    covered[c] = Covered(
        regions, c, margin,
        [&](std::size_t q) { return split.origin[q] != split.origin[c] && !(q < c && covered[q]); },
        holders);
    if (!covered[c]) continue;
    for (const std::size_t q : holders) needed[q] = true;
  }
  SplitChains kept;
  for (std::size_t c = 0; c < chains.size(); ++c) {
    if (!covered[c]) kept.AddPartOf(split, c, chains[c], split.seams[c]);
  }
  split = std::move(kept);
}

}  // namespace tq58
