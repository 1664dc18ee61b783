// Junctions of a network of prepared chains: at every point where ends meet or an end lies on
// another chain, the through pair made one band (a chain split there where one of its sides
// pairs with an end), and the other ends marked: stems where a band runs through, plain
// junction ends where none does.
#include "network/junction_topology.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_map>

#include "geometry/geometry.h"
#include "geometry/point_grid.h"
#include "geometry/tolerances.h"
#include "geometry/union_find.h"
#include "geometry/vector2.h"
#include "network/centre_line_index.h"
#include "network/network_chains.h"
#include "path/path_edit.h"
#include "util/portable_math.h"

namespace tq58 {

namespace {

constexpr std::size_t kAllPairsArms = 16;

// A place along a chain: segment k and the distance along it in the direction of travel.
struct Place {
  std::size_t k = 0;
  double along = 0.0;
  bool operator<(const Place& o) const { return k != o.k ? k < o.k : along < o.along; }
  bool operator==(const Place& o) const { return k == o.k && along == o.along; }
};

// A chain running through a junction point: at a vertex (along 0) or inside a segment.
struct Passage {
  std::size_t chain = 0;
  Place place;
  bool split = false;
};

// One direction leaving a junction point: along a chain from its end, or either way along a
// chain that passes.
struct Arm {
  PointD direction;
  std::size_t chain = 0;
  bool atEnd = false;    // an end arm: which end
  int passage = -1;      // a passage arm: which passage
  bool forward = false;  // a passage arm: in the direction of travel
};

struct Junction {
  PointD at;
  std::vector<Arm> arms;
  std::vector<Passage> passages;
  std::optional<std::pair<std::size_t, std::size_t>> pair;
};

// The chains that pass through `p` within the tolerance, other than at an open end.
std::vector<Passage> PassagesAt(const std::vector<BasePath>& chains,
                                const CentreLineIndex& pieces, PointD p, double tolerance) {
  std::vector<Passage> found;
  for (const CentrePiece& piece : pieces.Near(BoxAround(p, tolerance))) {
    const BasePath& chain = chains[piece.chain];
    const Curve curve = BaseCurve(chain, piece.k);
    const double s = curve.Along(p), length = curve.Length();
    if (s < -tolerance || s > length + tolerance) continue;
    if (geometry::PointDistance(curve.At(std::clamp(s, 0.0, length)), p) > tolerance) continue;
    const BaseArc* arc = PathArc(chain, piece.k);
    const double along = arc != nullptr && arc->clockwise ? length - s : s;
    const std::size_t n = chain.points.size() - 1;
    Place place{piece.k, along};
    if (along <= tolerance) place = {piece.k, 0.0};
    if (along >= length - tolerance) place = {piece.k + 1, 0.0};
    if (place.along == 0.0 && place.k == n) place.k = chain.closed ? 0 : n;
    if (!chain.closed && place.along == 0.0 && (place.k == 0 || place.k == n)) continue;
    const bool known = std::any_of(found.begin(), found.end(), [&](const Passage& q) {
      return q.chain == piece.chain && q.place == place;
    });
    if (!known) found.push_back({piece.chain, place, false});
  }
  // In the order of the chains and along them, whatever order the index found them in.
  std::sort(found.begin(), found.end(), [](const Passage& a, const Passage& b) {
    return a.chain != b.chain ? a.chain < b.chain : a.place < b.place;
  });
  return found;
}

void AddPassageArms(const std::vector<BasePath>& chains, Junction& j, int index) {
  const Passage& q = j.passages[static_cast<std::size_t>(index)];
  const BasePath& chain = chains[q.chain];
  PointD back, on;
  if (q.place.along == 0.0) {
    const std::size_t v = q.place.k, n = chain.points.size() - 1;
    back = Negated(DirectionAtEnd(chain, v == 0 ? n - 1 : v - 1));
    on = DirectionAtStart(chain, v);
  } else {
    const Curve curve = BaseCurve(chain, q.place.k);
    const BaseArc* arc = PathArc(chain, q.place.k);
    const bool cw = arc != nullptr && arc->clockwise;
    const PointD t = curve.DirectionAt(cw ? curve.Length() - q.place.along : q.place.along);
    on = cw ? Negated(t) : t;
    back = Negated(on);
  }
  j.arms.push_back({back, q.chain, false, index, false});
  j.arms.push_back({on, q.chain, false, index, true});
}

// A piece of a chain between its splits, and which part of which chain it is.
struct Part {
  BasePath path;
  std::size_t chain = 0;
};

// One end of a part.
struct Slot {
  std::size_t part = 0;
  bool atEnd = false;
  bool operator==(const Slot&) const = default;
};

std::size_t SlotKey(const Slot& s) { return s.part * 2 + (s.atEnd ? 1 : 0); }

constexpr std::size_t kNoPart = static_cast<std::size_t>(-1);

// Where a chain's parts lie among all parts, and which part holds a place along it. A closed
// chain split nowhere at its start has the part through its start first, running on round
// from its last split.
struct PartsOfChain {
  std::size_t first = 0;
  std::vector<Place> places;  // of the splits, in order
  bool closed = false;
  bool fromVertex0 = false;  // a closed chain split at its start

  std::size_t Count() const {
    if (!closed) return places.size() + 1;
    return std::max<std::size_t>(places.size(), 1);
  }
  // The part that follows split q (q = -1: the chain's start), and the one before split q.
  std::size_t After(std::ptrdiff_t q) const {
    const std::size_t n = Count();
    const std::ptrdiff_t shift = fromVertex0 ? 0 : 1;
    return first + static_cast<std::size_t>((q + shift + static_cast<std::ptrdiff_t>(n)) %
                                            static_cast<std::ptrdiff_t>(n));
  }
  Slot EndSlot(bool atEnd) const {
    return atEnd ? Slot{first + Count() - 1, true} : Slot{first, false};
  }
  Slot SplitSlot(const Place& place, bool forward) const {
    const auto q = static_cast<std::ptrdiff_t>(
        std::lower_bound(places.begin(), places.end(), place) - places.begin());
    return forward ? Slot{After(q), false} : Slot{After(q - 1), true};
  }
  std::size_t PartAt(const Place& place) const {
    const auto q = static_cast<std::ptrdiff_t>(
        std::upper_bound(places.begin(), places.end(), place) - places.begin());
    return After(q - 1);
  }
};

// The chain cut at the places of `splits` (in order), its parts in order as PartsOfChain
// numbers them.
std::vector<BasePath> CutAt(const BasePath& chain,
                            const std::vector<std::pair<Place, PointD>>& splits,
                            const PartsOfChain& of) {
  BasePath rest = chain;
  rest.closed = false;
  std::vector<BasePath> pieces;  // from the last to the first
  for (auto it = splits.rbegin(); it != splits.rend(); ++it) {
    const Place& p = it->first;
    if (p == Place{0, 0.0}) continue;  // the start of a closed chain
    auto [before, after] =
        p.along == 0.0 ? SplitAtVertex(rest, p.k) : SplitAt(rest, p.k, it->second);
    pieces.push_back(std::move(after));
    rest = std::move(before);
  }
  pieces.push_back(std::move(rest));
  std::reverse(pieces.begin(), pieces.end());
  if (!of.closed) return pieces;
  if (splits.empty()) {
    pieces.front().closed = true;
  } else if (!of.fromVertex0) {
    // The last part runs on through the start into the first.
    pieces.front() = Joined(pieces.back(), pieces.front());
    pieces.pop_back();
  }
  return pieces;
}

}  // namespace

std::optional<std::pair<std::size_t, std::size_t>> ThroughPair(const std::vector<PointD>& arms) {
  // The pairs to weigh: all of them among a few arms; among many, each arm with the two whose
  // directions lie either side of its opposite, one of which is the nearest to it.
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  if (arms.size() <= kAllPairsArms) {
    for (std::size_t a = 0; a < arms.size(); ++a) {
      for (std::size_t b = a + 1; b < arms.size(); ++b) pairs.push_back({a, b});
    }
  } else {
    std::vector<std::pair<double, std::size_t>> byAngle;
    for (std::size_t a = 0; a < arms.size(); ++a) {
      byAngle.push_back({geometry::DirectionAngle(arms[a].x, arms[a].y), a});
    }
    std::sort(byAngle.begin(), byAngle.end());
    const std::size_t n = byAngle.size();
    for (const auto& [angle, a] : byAngle) {
      const double opposite = std::fmod(angle + std::numbers::pi, 2.0 * std::numbers::pi);
      const std::size_t at = static_cast<std::size_t>(
          std::lower_bound(byAngle.begin(), byAngle.end(), std::pair{opposite, std::size_t{0}}) -
          byAngle.begin());
      for (const std::size_t k : {at % n, (at + n - 1) % n}) {
        const std::size_t b = byAngle[k].second;
        if (b != a) pairs.push_back({std::min(a, b), std::max(a, b)});
      }
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
  }
  std::optional<std::pair<std::size_t, std::size_t>> best;
  double bestAngle = -1.0;
  bool tie = false;
  for (const auto& [a, b] : pairs) {
    const double angle =
        util::PortableAtan2(std::fabs(Cross(arms[a], arms[b])), Dot(arms[a], arms[b]));
    if (angle > bestAngle + geometry::kThroughPairTieRadians) {
      best = {a, b};
      bestAngle = angle;
      tie = false;
    } else if (angle >= bestAngle - geometry::kThroughPairTieRadians) {
      tie = true;
      bestAngle = std::max(bestAngle, angle);
    }
  }
  if (tie) return std::nullopt;
  return best;
}

namespace {

// The steps from the prepared chains to the bands, each on what the ones before found.
class Arrangement {
 public:
  Arrangement(SplitChains split, double tolerance)
      : split_(std::move(split)), chains_(split_.chains), tolerance_(tolerance) {}

  std::vector<NetworkBand> Bands() {
    FindJunctions();
    CutIntoParts();
    JoinThroughPairs();
    FollowBands();
    MarkBandEnds();
    return std::move(bands_);
  }

 private:
  bool Seam(std::size_t chain, bool atEnd) const { return split_.seams[chain][atEnd ? 1 : 0]; }

  // The open ends grouped where they meet, each group with the chains that pass through it
  // and its through pair.
  void FindJunctions() {
    std::vector<Slot> ends;  // as slots of the chains before any split
    for (std::size_t i = 0; i < chains_.size(); ++i) {
      if (!IsOpenPath(chains_[i])) continue;
      for (const bool atEnd : {false, true}) {
        if (!Seam(i, atEnd)) ends.push_back({i, atEnd});
      }
    }
    const auto endPoint = [&](std::size_t e) {
      return EndPoint(chains_[ends[e].part], ends[e].atEnd);
    };
    std::vector<PointD> points;
    for (std::size_t e = 0; e < ends.size(); ++e) points.push_back(endPoint(e));
    geometry::UnionFind groups(ends.size());
    for (const auto& [e, f] : geometry::PointsWithin(points, tolerance_)) groups.Join(e, f);
    std::unordered_map<std::size_t, std::size_t> byRoot;
    for (std::size_t e = 0; e < ends.size(); ++e) {
      auto [it, fresh] = byRoot.try_emplace(groups.Find(e), junctions_.size());
      if (fresh) junctions_.push_back(Junction{endPoint(e), {}, {}, std::nullopt});
      junctions_[it->second].arms.push_back(
          {IntoPath(chains_[ends[e].part], ends[e].atEnd), ends[e].part, ends[e].atEnd, -1, false});
    }
    const CentreLineIndex pieces(chains_, tolerance_);
    for (Junction& j : junctions_) {
      j.passages = PassagesAt(chains_, pieces, j.at, tolerance_);
      for (std::size_t q = 0; q < j.passages.size(); ++q) {
        AddPassageArms(chains_, j, static_cast<int>(q));
      }
      if (j.arms.size() < 2) continue;  // a free end
      std::vector<PointD> directions;
      for (const Arm& a : j.arms) directions.push_back(a.direction);
      j.pair = ThroughPair(directions);
      if (!j.pair) continue;
      const Arm& a = j.arms[j.pair->first];
      const Arm& b = j.arms[j.pair->second];
      if (a.passage >= 0 && a.passage == b.passage) continue;  // the chain runs on through
      for (const Arm* arm : {&a, &b}) {
        if (arm->passage >= 0) j.passages[static_cast<std::size_t>(arm->passage)].split = true;
      }
    }
  }

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
      for (BasePath& piece : CutAt(chains_[i], splits, of)) parts_.push_back({std::move(piece), i});
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
    for (std::size_t ji = 0; ji < junctions_.size(); ++ji) {
      const Junction& j = junctions_[ji];
      if (j.arms.size() < 2) continue;
      for (const Arm& arm : j.arms) {
        if (const std::optional<Slot> slot = SlotOf(j, arm)) {
          junctionOfSlot_[SlotKey(*slot)] = static_cast<int>(ji);
        }
      }
      if (!j.pair) continue;
      const std::optional<Slot> a = SlotOf(j, j.arms[j.pair->first]);
      const std::optional<Slot> b = SlotOf(j, j.arms[j.pair->second]);
      if (!a || !b) continue;
      partner_[SlotKey(*a)] = *b;
      partner_[SlotKey(*b)] = *a;
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
    band.order = split_.origin[parts_[part].chain];
    const Slot first{part, !forward};
    Slot exit{part, forward};
    band.path = forward ? parts_[part].path : Reversed(parts_[part].path);
    bandOfPart_[part] = bands_.size();
    bool closed = parts_[part].path.closed;
    while (!closed) {
      const Slot next = partner_[SlotKey(exit)];
      if (next.part == kNoPart) break;
      closed = next == first;
      if (closed) break;
      const BasePath& path = parts_[next.part].path;
      band.path = Joined(band.path, next.atEnd ? Reversed(path) : path);
      band.order = std::min(band.order, split_.origin[parts_[next.part].chain]);
      bandOfPart_[next.part] = bands_.size();
      exit = {next.part, !next.atEnd};
    }
    if (closed) {
      band.path.closed = true;
      band.path.points.back() = band.path.points.front();
    }
    bands_.push_back(std::move(band));
    bandSlots_.push_back({first, exit});
  }

  // What each band end meets; a band that ends where another runs through is a stem there.
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
        const int ji = junctionOfSlot_[SlotKey(slot)];
        if (ji < 0) continue;
        end.junction = true;
        const Junction& j = junctions_[static_cast<std::size_t>(ji)];
        if (j.pair) end.throughs.push_back(ThroughBand(j));
      }
    }
  }

  // The band that runs through junction j along its pair.
  std::size_t ThroughBand(const Junction& j) const {
    const Arm& a = j.arms[j.pair->first];
    if (const std::optional<Slot> s = SlotOf(j, a)) return bandOfPart_[s->part];
    const Passage& q = j.passages[static_cast<std::size_t>(a.passage)];
    return bandOfPart_[partsOf_[q.chain].PartAt(q.place)];
  }

  SplitChains split_;
  std::vector<BasePath>& chains_;
  double tolerance_;
  std::vector<Junction> junctions_;
  std::vector<Part> parts_;
  std::vector<PartsOfChain> partsOf_;
  std::vector<Slot> partner_;        // per part slot: the slot it is joined to
  std::vector<int> junctionOfSlot_;  // per part slot: its junction, -1 for a free end
  std::vector<NetworkBand> bands_;
  std::vector<std::size_t> bandOfPart_;
  std::vector<std::pair<Slot, Slot>> bandSlots_;  // per band: the part slots of its two ends
};

}  // namespace

std::vector<NetworkBand> ArrangeJunctions(const std::vector<BasePath>& chains, double lo, double hi,
                                          double tolerance) {
  SplitChains split = SplitSelfCrossings(chains, tolerance);
  MoveEndsOntoCentreLines(split, lo, hi, tolerance);
  return Arrangement(std::move(split), tolerance).Bands();
}

}  // namespace tq58
