// Junctions of a network of prepared chains: at every point where ends meet or an end lies on
// another chain, each through pair made one band (a chain split there where one of its sides
// pairs with another arm), bands that come back to a junction split at seams, and the other
// ends marked: stems on every band that runs through, plain junction ends where none does.
#include "network/junction_topology.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <unordered_map>

#include "geometry/geometry.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "network/chain_folds.h"
#include "network/chain_overlaps.h"
#include "network/chain_parts.h"
#include "network/chain_regions.h"
#include "network/junction_points.h"
#include "network/network_chains.h"
#include "path/path_edit.h"
#include "rows/construction.h"

namespace tq58 {

namespace {

// Where a band passes or ends at a junction: as a place along it, twice the vertex or twice
// the piece and one for a place inside a piece, so that places sort in order along it.
struct Visit {
  std::size_t junction = 0;
  std::size_t at = 0;
  bool through = false;  // it runs on through there, along one of the junction's pairs
};

// The first piece after a visit, and how many pieces lie before one: a seam between visits x
// and y lies in one of the pieces FirstPieceAfter(x) to PiecesBefore(y) - 1.
std::size_t FirstPieceAfter(const Visit& v) { return (v.at + 1) / 2; }
std::size_t PiecesBefore(const Visit& v) { return v.at / 2; }

// The bands as followed through the junctions' pairs, before any is split where it comes
// back: per band, the part slots of its ends and the junctions along it; and the part slots of
// the two ends of each fold back.
struct FollowedBands {
  std::vector<NetworkBand> bands;
  std::vector<std::pair<Slot, Slot>> slots;
  std::vector<std::vector<Visit>> visits;
  std::vector<std::pair<Slot, Slot>> foldBacks;
};

// The chains cut into parts where a pair leaves them, and the parts joined through the pairs
// into bands.
class BandFollower {
 public:
  BandFollower(const SplitChains& split, const std::vector<Junction>& junctions)
      : split_(split), chains_(split.chains), junctions_(junctions) {}

  FollowedBands Bands() {
    CutIntoParts();
    JoinThroughPairs();
    FollowBands();
    MarkBandEnds();
    FollowedBands out{std::move(bands_), std::move(bandSlots_), std::move(visits_), {}};
    for (const Junction& j : junctions_) {
      if (!j.foldBack) continue;
      const std::optional<Slot> a = SlotOf(j, j.arms[j.foldBack->first]);
      const std::optional<Slot> b = SlotOf(j, j.arms[j.foldBack->second]);
      if (a && b) out.foldBacks.push_back({*a, *b});
    }
    return out;
  }

 private:
  bool Seam(std::size_t chain, bool atEnd) const { return split_.seams[chain][atEnd ? 1 : 0]; }

  // Each chain cut into parts at the passages where one of its sides pairs with another arm.
  void CutIntoParts() {
    std::vector<std::vector<std::pair<Place, PointD>>> splitsOf(chains_.size());
    for (const Junction& j : junctions_) {
      for (const Passage& q : j.passages) {
        if (q.split) splitsOf[q.chain].push_back({q.place, j.at});
      }
    }
    partsOf_.resize(chains_.size());
    for (std::size_t i = 0; i < chains_.size(); ++i) {
      auto& splits = splitsOf[i];
      std::sort(splits.begin(), splits.end(),
                [](const auto& x, const auto& y) { return x.first < y.first; });
      splits.erase(std::unique(splits.begin(), splits.end(),
                               [](const auto& x, const auto& y) { return x.first == y.first; }),
                   splits.end());
      PartsOfChain& of = partsOf_[i];
      of.first = parts_.size();
      of.closed = chains_[i].closed;
      for (const auto& split : splits) of.places.push_back(split.first);
      of.fromVertex0 = of.closed && !splits.empty() && splits.front().first == Place{0, 0.0};
      // The piece of the chain each part starts in.
      std::vector<std::size_t> starts;
      if (!of.closed || of.places.empty()) starts.push_back(0);
      if (of.closed && !of.fromVertex0 && !of.places.empty()) starts.push_back(of.places.back().k);
      for (const Place& place : of.places) starts.push_back(place.k);
      std::size_t k = 0;
      for (BasePath& piece : CutAt(chains_[i], splits, of)) {
        parts_.push_back({std::move(piece), i, starts[k++]});
      }
    }
  }

  // The part end that an arm leaves from, none for a side of a chain that runs on through.
  std::optional<Slot> SlotOf(const Junction& j, const Arm& arm) const {
    const PartsOfChain& of = partsOf_[arm.chain];
    if (arm.passage < 0) return of.EndSlot(arm.atEnd);
    const Passage& q = j.passages[static_cast<std::size_t>(arm.passage)];
    if (!q.split) return std::nullopt;
    return of.SplitSlot(q.place, arm.forward);
  }

  void JoinThroughPairs() {
    partner_.assign(parts_.size() * 2, Slot{kNoPart, false});
    junctionOfSlot_.assign(parts_.size() * 2, -1);
    passagesOfPart_.resize(parts_.size());
    for (std::size_t ji = 0; ji < junctions_.size(); ++ji) {
      const Junction& j = junctions_[ji];
      if (j.arms.size() < 2) continue;
      for (const Arm& arm : j.arms) {
        if (const std::optional<Slot> slot = SlotOf(j, arm)) {
          junctionOfSlot_[SlotKey(*slot)] = static_cast<int>(ji);
        }
      }
      for (const auto& [x, y] : j.pairs) {
        const std::optional<Slot> a = SlotOf(j, j.arms[x]);
        const std::optional<Slot> b = SlotOf(j, j.arms[y]);
        if (a && b) {
          partner_[SlotKey(*a)] = *b;
          partner_[SlotKey(*b)] = *a;
          continue;
        }
        // A chain that runs on through: where along its part it passes.
        const Passage& q = j.passages[static_cast<std::size_t>(j.arms[x].passage)];
        const std::size_t part = partsOf_[q.chain].PartAt(q.place);
        const std::size_t n = chains_[q.chain].points.size() - 1;
        passagesOfPart_[part].push_back(
            {ji, Place{(q.place.k + n - parts_[part].start) % n, q.place.along}});
      }
    }
  }

  // The bands, followed through the joins: first from the free ends, then round the loops.
  void FollowBands() {
    bandOfPart_.assign(parts_.size(), kNoPart);
    for (std::size_t p = 0; p < parts_.size(); ++p) {
      if (bandOfPart_[p] != kNoPart || parts_[p].path.closed) continue;
      if (partner_[SlotKey({p, false})].part == kNoPart) {
        Follow(p, true);
      } else if (partner_[SlotKey({p, true})].part == kNoPart) {
        Follow(p, false);
      }
    }
    for (std::size_t p = 0; p < parts_.size(); ++p) {
      if (bandOfPart_[p] == kNoPart) Follow(p, true);
    }
  }

  void Follow(std::size_t part, bool forward) {
    NetworkBand band;
    std::vector<Visit> visits;
    band.order = split_.origin[parts_[part].chain];
    const auto pieces = [&] { return band.path.points.size() - 1; };
    // Appends a part, run from its end where reversed, with the junctions it runs through.
    const auto append = [&](std::size_t p, bool reversed) {
      const BasePath path = reversed ? Reversed(parts_[p].path) : parts_[p].path;
      const std::size_t offset = band.path.points.empty() ? 0 : pieces();
      const std::size_t m = path.points.size() - 1;
      band.path = band.path.points.empty() ? path : Joined(band.path, path);
      for (const auto& [j, place] : passagesOfPart_[p]) {
        const std::size_t at = place.along == 0.0
                                   ? 2 * (offset + (reversed ? m - place.k : place.k))
                                   : 2 * (offset + (reversed ? m - 1 - place.k : place.k)) + 1;
        visits.push_back({j, at, true});
      }
      band.order = std::min(band.order, split_.origin[parts_[p].chain]);
      bandOfPart_[p] = bands_.size();
    };
    const auto junctionOf = [&](const Slot& slot) { return junctionOfSlot_[SlotKey(slot)]; };
    const Slot first{part, !forward};
    if (junctionOf(first) >= 0) {
      visits.push_back({static_cast<std::size_t>(junctionOf(first)), 0, false});
    }
    append(part, !forward);
    Slot exit{part, forward};
    bool closed = parts_[part].path.closed;
    while (!closed) {
      const Slot next = partner_[SlotKey(exit)];
      if (next.part == kNoPart) break;
      visits.push_back({static_cast<std::size_t>(junctionOf(exit)), 2 * pieces(), true});
      closed = next == first;
      if (closed) break;
      append(next.part, next.atEnd);
      exit = {next.part, !next.atEnd};
    }
    if (closed) {
      band.path.closed = true;
      band.path.points.back() = band.path.points.front();
    } else if (junctionOf(exit) >= 0) {
      visits.push_back({static_cast<std::size_t>(junctionOf(exit)), 2 * pieces(), false});
    }
    bands_.push_back(std::move(band));
    bandSlots_.push_back({first, exit});
    visits_.push_back(std::move(visits));
  }

  // What each band end meets: other bands (at a junction), or its own other part (a seam).
  void MarkBandEnds() {
    std::vector<bool> seamSlot(parts_.size() * 2, false);
    for (std::size_t i = 0; i < chains_.size(); ++i) {
      if (!IsOpenPath(chains_[i])) continue;
      for (const bool atEnd : {false, true}) {
        if (Seam(i, atEnd)) seamSlot[SlotKey(partsOf_[i].EndSlot(atEnd))] = true;
      }
    }
    for (std::size_t b = 0; b < bands_.size(); ++b) {
      if (bands_[b].path.closed) continue;
      for (const bool atEnd : {false, true}) {
        const Slot slot = atEnd ? bandSlots_[b].second : bandSlots_[b].first;
        BandEnd& end = atEnd ? bands_[b].end : bands_[b].start;
        end.seam = end.junction = seamSlot[SlotKey(slot)];
        if (junctionOfSlot_[SlotKey(slot)] >= 0) end.junction = true;
      }
    }
  }

  const SplitChains& split_;
  const std::vector<BasePath>& chains_;
  const std::vector<Junction>& junctions_;
  std::vector<Part> parts_;
  std::vector<PartsOfChain> partsOf_;
  std::vector<Slot> partner_;        // per part slot: the slot it is joined to
  std::vector<int> junctionOfSlot_;  // per part slot: its junction, -1 for a free end
  // Per part: the junctions where its chain runs on through, and where along the part.
  std::vector<std::vector<std::pair<std::size_t, Place>>> passagesOfPart_;
  std::vector<NetworkBand> bands_;  // as followed through the pairs
  std::vector<std::size_t> bandOfPart_;
  std::vector<std::pair<Slot, Slot>> bandSlots_;  // per band: the part slots of its two ends
  std::vector<std::vector<Visit>> visits_;        // per band: its junctions in order along it
};

// The followed bands split where they come back to a junction, each end told which bands run
// through where it ends and which end it meets back to back.
class Arrangement {
 public:
  Arrangement(FollowedBands followed, std::size_t junctions, double cornerReach, double tolerance)
      : followed_(std::move(followed)),
        bands_(followed_.bands),
        visits_(followed_.visits),
        junctions_(junctions),
        cornerReach_(cornerReach),
        tolerance_(tolerance) {}

  std::vector<NetworkBand> Bands() {
    SplitRevisits();
    MarkStems();
    MarkFoldBacks();
    return std::move(finalBands_);
  }

 private:
  // A band that comes back to a junction it has passed or ended at is split between the two
  // visits, in the middle of a piece, at seams: so that no band is a stem on itself or meets
  // itself in a junction. A closed band is left whole; visits with no whole piece between
  // them (both inside one piece) cannot be told apart and are left too.
  void SplitRevisits() {
    for (std::size_t b = 0; b < bands_.size(); ++b) {
      std::vector<Visit>& visits = visits_[b];
      std::sort(visits.begin(), visits.end(), [](const Visit& x, const Visit& y) {
        return x.junction != y.junction ? x.junction < y.junction : x.at < y.at;
      });
      std::vector<std::pair<std::size_t, std::size_t>> ranges;
      for (std::size_t v = 0; v + 1 < visits.size() && !bands_[b].path.closed; ++v) {
        const Visit &x = visits[v], &y = visits[v + 1];
        if (x.junction == y.junction && PiecesBefore(y) > FirstPieceAfter(x)) {
          ranges.push_back({FirstPieceAfter(x), PiecesBefore(y) - 1});
        }
      }
      // One return is split halfway round, the same whichever way the band runs; more take
      // the fewest seams, each in the middle of a piece.
      std::vector<BasePath> parts;
      if (ranges.size() == 1) {
        auto [halves, seam] = SplitHalfway(bands_[b].path, ranges[0], cornerReach_, tolerance_);
        parts = std::move(halves);
        seamsOf_.push_back({seam});
      } else {
        seamsOf_.push_back(SeamPieces(std::move(ranges)));
        parts = SplitInMiddles(bands_[b].path, seamsOf_.back());
      }
      firstOf_.push_back(finalBands_.size());
      for (std::size_t k = 0; k < parts.size(); ++k) {
        const BandEnd seam{true, true, {}, {}};
        finalBands_.push_back({parts[k], bands_[b].order, k == 0 ? bands_[b].start : seam,
                               k + 1 == parts.size() ? bands_[b].end : seam});
      }
    }
  }

  // Every band end at a junction is a stem on each band that runs through it there.
  void MarkStems() {
    std::vector<std::vector<std::size_t>> throughs(junctions_);
    std::vector<std::array<int, 2>> endsOf(finalBands_.size(), {-1, -1});
    for (std::size_t b = 0; b < bands_.size(); ++b) {
      const std::vector<std::size_t>& seams = seamsOf_[b];
      for (const Visit& v : visits_[b]) {
        const auto before = static_cast<std::size_t>(
            std::lower_bound(seams.begin(), seams.end(), PiecesBefore(v)) - seams.begin());
        const std::size_t band = firstOf_[b] + before;
        if (v.through) {
          throughs[v.junction].push_back(band);
        } else {
          endsOf[band][v.at == 0 ? 0 : 1] = static_cast<int>(v.junction);
        }
      }
    }
    for (std::vector<std::size_t>& t : throughs) {
      std::sort(t.begin(), t.end());
      t.erase(std::unique(t.begin(), t.end()), t.end());
    }
    for (std::size_t b = 0; b < finalBands_.size(); ++b) {
      for (const bool atEnd : {false, true}) {
        const int j = endsOf[b][atEnd ? 1 : 0];
        if (j >= 0) (atEnd ? finalBands_[b].end : finalBands_[b].start).throughs = throughs[j];
      }
    }
  }

  // The two band ends that bound a junction's open side where they turn back too far to make
  // a corner: each told of the other, and of which of its sides is the back.
  void MarkFoldBacks() {
    std::unordered_map<std::size_t, std::pair<std::size_t, bool>> endOfSlot;
    for (std::size_t b = 0; b < bands_.size(); ++b) {
      if (bands_[b].path.closed) continue;
      const std::size_t last = (b + 1 < firstOf_.size() ? firstOf_[b + 1] : finalBands_.size()) - 1;
      endOfSlot[SlotKey(followed_.slots[b].first)] = {firstOf_[b], false};
      endOfSlot[SlotKey(followed_.slots[b].second)] = {last, true};
    }
    for (const auto& [a, b] : followed_.foldBacks) {
      const auto ea = endOfSlot.find(SlotKey(a)), eb = endOfSlot.find(SlotKey(b));
      if (ea == endOfSlot.end() || eb == endOfSlot.end()) continue;
      const auto [bandA, atEndA] = ea->second;
      const auto [bandB, atEndB] = eb->second;
      // The open side lies counterclockwise of the first arm as it leaves the junction and
      // clockwise of the second; an end's leaving runs against the band's travel.
      (atEndA ? finalBands_[bandA].end : finalBands_[bandA].start).back =
          FoldBack{bandB, atEndB, true, {!atEndA, {}}};
      (atEndB ? finalBands_[bandB].end : finalBands_[bandB].start).back =
          FoldBack{bandA, atEndA, false, {atEndB, {}}};
    }
  }

  FollowedBands followed_;
  const std::vector<NetworkBand>& bands_;
  std::vector<std::vector<Visit>>& visits_;
  std::size_t junctions_;
  double cornerReach_;  // the outer spacing and corner radius that a corner's rows reach by
  double tolerance_;
  std::vector<std::vector<std::size_t>> seamsOf_;  // per band: the pieces it was split in
  std::vector<std::size_t> firstOf_;               // per band: the first band it was split into
  std::vector<NetworkBand> finalBands_;
};

// How far the rows of a band reach along its pieces from a vertex where it turns, per tangent
// of half the turn: the largest outer spacing and the largest corner radius together.
double CornerReach(const BandDrawer& drawer) {
  const TLineTable& table = drawer.Table();
  double radius = 0.0;
  if (table.Options.Corners == CornerMode::Concentric) {
    radius =
        InDrawingUnits(table.Options.BaseRadius, table.Options.BaseRadiusPaperSize, drawer.Scale());
  }
  for (const TLineRow& row : table.Lines) {
    if (row.DrawOn)
      radius = std::max(radius, InDrawingUnits(row.Radius, row.PaperSize, drawer.Scale()));
  }
  return drawer.Reach() + std::max(radius, 0.0);
}

}  // namespace

std::vector<NetworkBand> ArrangeJunctions(const std::vector<BasePath>& chains,
                                          const BandDrawer& drawer) {
  const double tolerance = drawer.Tolerance();
  SplitChains split = SplitSelfCrossings(chains, tolerance);
  SplitAtFolds(split);
  // Each prepared chain's band drawn alone, once: where a chain adds nothing to the others and
  // where an end lies in another band are told against these.
  const ChainRegions regions(split.chains, drawer);
  split.region.resize(split.chains.size());
  std::iota(split.region.begin(), split.region.end(), std::size_t{0});
  const double width = drawer.Hi() - drawer.Lo();
  // A chain lying wholly inside other bands goes first: left to the overlaps, it could take a
  // stretch from a street that it runs along and then go itself.
  RemoveCoveredChains(split, regions, geometry::kCoveredMargin * width / 2.0);
  RemoveOverlaps(split, tolerance);
  MoveEndsOntoCentreLines(split, regions, width, drawer.Reach(), tolerance);
  const std::vector<Junction> junctions = FindJunctions(split.chains, split.seams, tolerance);
  FollowedBands followed = BandFollower(split, junctions).Bands();
  return Arrangement(std::move(followed), junctions.size(), CornerReach(drawer), tolerance).Bands();
}

}  // namespace tq58
