// Junctions of a network of chains: the ends that stop within another band's strip (short of
// its centre line or past it) moved onto that centre line; then, at every point where ends
// meet or an end lies on another chain, the through pair made one band (a chain split there
// where one of its sides pairs with an end), and the other ends marked.
#include "multiline/junction_topology.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <unordered_map>

#include "multiline/band_strips.h"
#include "multiline/path_edit.h"
#include "util/geometry.h"
#include "util/portable_math.h"

namespace tq58 {

namespace {

constexpr double kTieRadians = 1e-9;

PointD Negated(PointD v) { return {-v.x, -v.y}; }

std::size_t LastPiece(const BasePath& path) { return path.points.size() - 2; }

PointD EndPoint(const BasePath& path, bool atEnd) {
  return atEnd ? path.points.back() : path.points.front();
}

// The direction from an end into the path.
PointD IntoPath(const BasePath& path, bool atEnd) {
  return atEnd ? Negated(DirectionAtEnd(path, LastPiece(path))) : DirectionAtStart(path, 0);
}

bool Open(const BasePath& path) { return !path.closed && path.points.size() >= 2; }

// The cells of every chain's strip (at least as wide as the join tolerance either side), to
// find the chains near a point.
BandStrips StripsOf(const std::vector<BasePath>& chains, double lo, double hi, double tolerance) {
  BandStrips strips;
  for (std::size_t i = 0; i < chains.size(); ++i) {
    if (chains[i].points.size() >= 2) {
      strips.AddBand(i, chains[i], std::min(lo, -tolerance), std::max(hi, tolerance));
    }
  }
  strips.Index();
  return strips;
}

Box BoxAround(PointD p, double r) { return {p.x - r, p.y - r, p.x + r, p.y + r}; }

// Moves each open end that lies within another chain's strip onto that chain's centre line:
// back along its last piece, or on straight, whichever meets it nearest, within a band width.
void MoveEndsOntoCentreLines(std::vector<BasePath>& chains,
                             const std::vector<std::array<bool, 2>>& seams, double lo, double hi,
                             double tolerance) {
  const BandStrips strips = StripsOf(chains, lo, hi, tolerance);
  const double reach = std::max(hi - lo, tolerance);
  struct Move {
    std::size_t chain;
    bool atEnd;
    PointD to;
    bool back;  // on its own last piece
  };
  std::vector<Move> moves;
  for (std::size_t i = 0; i < chains.size(); ++i) {
    const BasePath& chain = chains[i];
    if (!Open(chain)) continue;
    for (const bool atEnd : {false, true}) {
      if (seams[i][atEnd ? 1 : 0]) continue;
      const PointD e = EndPoint(chain, atEnd);
      const std::vector<std::uint32_t> near = strips.Near(BoxAround(e, tolerance));
      std::vector<std::size_t> containing;
      for (const std::uint32_t c : near) {
        const StripCell& cell = strips.Cells()[c];
        if (cell.band != i && cell.Contains(e, -tolerance)) containing.push_back(cell.band);
      }
      if (containing.empty()) continue;
      const Trace own = BaseTrace(chain, atEnd ? LastPiece(chain) : 0);
      const Trace ray = SegmentTrace(e, Plus(e, Negated(IntoPath(chain, atEnd)), reach));
      std::optional<Move> best;
      double bestDistance = reach;
      const auto consider = [&](PointD x, bool back) {
        const double d = MyFunc::PointDistance(x, e);
        if (d <= bestDistance) {
          bestDistance = d;
          best = Move{i, atEnd, x, back};
        }
      };
      for (const std::uint32_t c : near) {
        const StripCell& cell = strips.Cells()[c];
        if (cell.wedge ||
            std::find(containing.begin(), containing.end(), cell.band) == containing.end()) {
          continue;
        }
        const Trace other = BaseTrace(chains[cell.band], cell.piece);
        const double foot = std::clamp(other.Along(e), 0.0, other.Length());
        if (MyFunc::PointDistance(other.At(foot), e) <= tolerance) consider(e, true);
        for (const TraceCrossing& x : CrossTraces(own, other, tolerance)) consider(x.point, true);
        for (const TraceCrossing& x : CrossTraces(ray, other, tolerance)) consider(x.point, false);
      }
      if (best && bestDistance > tolerance) moves.push_back(*best);
    }
  }
  for (const Move& m : moves) {
    BasePath& chain = chains[m.chain];
    if (!m.back) {
      chain = m.atEnd ? RunOn(chain, m.to) : Reversed(RunOn(Reversed(chain), m.to));
      continue;
    }
    // Cut back on the end piece, at its far vertex where the point lies on it.
    const std::size_t k = m.atEnd ? LastPiece(chain) : 0;
    const PointD farVertex = chain.points[m.atEnd ? k : k + 1];
    if (MyFunc::PointDistance(farVertex, m.to) <= tolerance) {
      if (chain.points.size() < 3) continue;  // nothing would be left
      chain = m.atEnd ? SplitAtVertex(chain, k).first : SplitAtVertex(chain, 1).second;
    } else {
      chain = m.atEnd ? SplitAt(chain, k, m.to).first : SplitAt(chain, 0, m.to).second;
    }
  }
}

// Union-find over indices.
class Groups {
 public:
  explicit Groups(std::size_t n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), 0); }
  std::size_t Find(std::size_t i) {
    while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
    return i;
  }
  void Join(std::size_t a, std::size_t b) {
    a = Find(a);
    b = Find(b);
    if (a != b) parent_[std::max(a, b)] = std::min(a, b);
  }

 private:
  std::vector<std::size_t> parent_;
};

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
std::vector<Passage> PassagesAt(const std::vector<BasePath>& chains, const BandStrips& strips,
                                PointD p, double tolerance) {
  std::vector<Passage> found;
  for (const std::uint32_t c : strips.Near(BoxAround(p, tolerance))) {
    const StripCell& cell = strips.Cells()[c];
    if (cell.wedge) continue;
    const BasePath& chain = chains[cell.band];
    const Trace trace = BaseTrace(chain, cell.piece);
    const double s = trace.Along(p), length = trace.Length();
    if (s < -tolerance || s > length + tolerance) continue;
    if (MyFunc::PointDistance(trace.At(std::clamp(s, 0.0, length)), p) > tolerance) continue;
    const BaseArc* arc = PathArc(chain, cell.piece);
    const double along = arc != nullptr && arc->clockwise ? length - s : s;
    const std::size_t n = chain.points.size() - 1;
    Place place{cell.piece, along};
    if (along <= tolerance) place = {cell.piece, 0.0};
    if (along >= length - tolerance) place = {cell.piece + 1, 0.0};
    if (place.along == 0.0 && place.k == n) place.k = chain.closed ? 0 : n;
    if (!chain.closed && place.along == 0.0 && (place.k == 0 || place.k == n)) continue;
    const bool known = std::any_of(found.begin(), found.end(), [&](const Passage& q) {
      return q.chain == cell.band && q.place == place;
    });
    if (!known) found.push_back({cell.band, place, false});
  }
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
    const Trace trace = BaseTrace(chain, q.place.k);
    const BaseArc* arc = PathArc(chain, q.place.k);
    const bool cw = arc != nullptr && arc->clockwise;
    const PointD t = trace.DirectionAt(cw ? trace.Length() - q.place.along : q.place.along);
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
    pieces.front() = Joined(pieces.back(), pieces.front(), -1.0);
    pieces.pop_back();
  }
  return pieces;
}

// A chain that crosses itself is two bands there: split at seams, each in the middle of a
// piece, so that of every two pieces that cross (and do not follow each other) one lies before
// a seam and one after. `seams` tells which chain ends are seams (start, end), `origin` which
// chain each part was.
struct SplitChains {
  std::vector<BasePath> chains;
  std::vector<std::array<bool, 2>> seams;
  std::vector<std::size_t> origin;
};

SplitChains SplitSelfCrossings(const std::vector<BasePath>& chains, double tolerance) {
  SplitChains out;
  const BandStrips pieces = StripsOf(chains, -tolerance, tolerance, tolerance);
  std::vector<std::vector<std::pair<std::size_t, std::size_t>>> crossings(chains.size());
  for (const StripCell& cell : pieces.Cells()) {
    if (cell.wedge) continue;
    const BasePath& chain = chains[cell.band];
    const std::size_t n = chain.points.size() - 1;
    const Trace a = BaseTrace(chain, cell.piece);
    for (const std::uint32_t c : pieces.Near(cell.box)) {
      const StripCell& other = pieces.Cells()[c];
      const std::size_t i = cell.piece, j = other.piece;
      if (other.wedge || other.band != cell.band || j < i + 2) continue;
      if (chain.closed && i == 0 && j + 1 == n) continue;  // they follow each other round
      if (!CrossTraces(a, BaseTrace(chain, j), -tolerance).empty()) {
        crossings[cell.band].push_back({i, j});
      }
    }
  }
  for (std::size_t i = 0; i < chains.size(); ++i) {
    auto& pairs = crossings[i];
    std::sort(pairs.begin(), pairs.end(), [](const auto& x, const auto& y) {
      return x.second != y.second ? x.second < y.second : x.first < y.first;
    });
    // The fewest seams: each as late as the earliest-ending pair without one allows.
    std::vector<std::size_t> seams;
    for (const auto& [first, second] : pairs) {
      if (!seams.empty() && seams.back() > first) continue;
      seams.push_back(second - 1);
    }
    BasePath rest = chains[i];
    bool startSeam = false;
    const auto middle = [&](std::size_t k) {
      const Trace t = BaseTrace(rest, k);
      return t.At(t.Length() / 2.0);
    };
    if (rest.closed && !seams.empty()) {
      // Opened at its last seam; the pieces before it now follow those after.
      const std::size_t last = seams.back(), n = rest.points.size() - 1;
      seams.pop_back();
      rest = SplitAt(rest, last, middle(last)).second;
      for (std::size_t& seam : seams) seam += n - last;
      startSeam = true;
    }
    std::vector<BasePath> parts;  // from the last to the first
    for (auto it = seams.rbegin(); it != seams.rend(); ++it) {
      auto [before, after] = SplitAt(rest, *it, middle(*it));
      parts.push_back(std::move(after));
      rest = std::move(before);
    }
    parts.push_back(rest);
    std::reverse(parts.begin(), parts.end());
    for (std::size_t k = 0; k < parts.size(); ++k) {
      out.chains.push_back(parts[k]);
      out.seams.push_back({k > 0 || startSeam, k + 1 < parts.size() || startSeam});
      out.origin.push_back(i);
    }
  }
  return out;
}

}  // namespace

std::optional<std::pair<std::size_t, std::size_t>> ThroughPair(const std::vector<PointD>& arms) {
  std::optional<std::pair<std::size_t, std::size_t>> best;
  double bestAngle = -1.0;
  bool tie = false;
  for (std::size_t a = 0; a < arms.size(); ++a) {
    for (std::size_t b = a + 1; b < arms.size(); ++b) {
      const double angle =
          MyFunc::PortableAtan2(std::fabs(Cross(arms[a], arms[b])), Dot(arms[a], arms[b]));
      if (angle > bestAngle + kTieRadians) {
        best = {a, b};
        bestAngle = angle;
        tie = false;
      } else if (angle >= bestAngle - kTieRadians) {
        tie = true;
        bestAngle = std::max(bestAngle, angle);
      }
    }
  }
  if (tie) return std::nullopt;
  return best;
}

std::vector<NetworkBand> ArrangeJunctions(const std::vector<BasePath>& given, double lo, double hi,
                                          double tolerance) {
  SplitChains split = SplitSelfCrossings(given, tolerance);
  std::vector<BasePath>& chains = split.chains;
  const auto seam = [&](const Slot& end) { return split.seams[end.part][end.atEnd ? 1 : 0]; };
  MoveEndsOntoCentreLines(chains, split.seams, lo, hi, tolerance);

  // The open ends, grouped where they meet.
  std::vector<Slot> ends;  // chain ends, as slots of the chains before any split
  for (std::size_t i = 0; i < chains.size(); ++i) {
    if (!Open(chains[i])) continue;
    for (const bool atEnd : {false, true}) {
      if (!seam({i, atEnd})) ends.push_back({i, atEnd});
    }
  }
  Groups groups(ends.size());
  {
    std::unordered_map<std::int64_t, std::vector<std::size_t>> grid;
    const auto cellOf = [&](double v) {
      return static_cast<std::int64_t>(std::floor(v / tolerance));
    };
    for (std::size_t e = 0; e < ends.size(); ++e) {
      const PointD p = EndPoint(chains[ends[e].part], ends[e].atEnd);
      const std::int64_t cx = cellOf(p.x), cy = cellOf(p.y);
      for (std::int64_t dx = -1; dx <= 1; ++dx) {
        for (std::int64_t dy = -1; dy <= 1; ++dy) {
          const auto it = grid.find((cx + dx) * 2654435761LL + (cy + dy));
          if (it == grid.end()) continue;
          for (const std::size_t f : it->second) {
            if (MyFunc::PointDistance(p, EndPoint(chains[ends[f].part], ends[f].atEnd)) <=
                tolerance) {
              groups.Join(e, f);
            }
          }
        }
      }
      grid[cx * 2654435761LL + cy].push_back(e);
    }
  }

  const BandStrips strips = StripsOf(chains, lo, hi, tolerance);
  std::vector<Junction> junctions;
  std::vector<int> junctionOfEnd(ends.size(), -1);
  {
    std::unordered_map<std::size_t, std::size_t> byRoot;
    for (std::size_t e = 0; e < ends.size(); ++e) {
      const std::size_t root = groups.Find(e);
      auto [it, fresh] = byRoot.try_emplace(root, junctions.size());
      if (fresh) {
        Junction j;
        j.at = EndPoint(chains[ends[e].part], ends[e].atEnd);
        junctions.push_back(j);
      }
      Junction& j = junctions[it->second];
      j.arms.push_back(
          {IntoPath(chains[ends[e].part], ends[e].atEnd), ends[e].part, ends[e].atEnd, -1, false});
      junctionOfEnd[e] = static_cast<int>(it->second);
    }
  }
  for (Junction& j : junctions) {
    j.passages = PassagesAt(chains, strips, j.at, tolerance);
    for (std::size_t q = 0; q < j.passages.size(); ++q)
      AddPassageArms(chains, j, static_cast<int>(q));
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

  // Each chain cut into parts at the passages where it splits.
  std::vector<std::vector<std::pair<Place, PointD>>> splitsOf(chains.size());
  for (const Junction& j : junctions) {
    for (const Passage& q : j.passages) {
      if (q.split) splitsOf[q.chain].push_back({q.place, j.at});
    }
  }
  std::vector<Part> parts;
  std::vector<PartsOfChain> partsOf(chains.size());
  for (std::size_t i = 0; i < chains.size(); ++i) {
    auto& splits = splitsOf[i];
    std::sort(splits.begin(), splits.end(),
              [](const auto& x, const auto& y) { return x.first < y.first; });
    splits.erase(std::unique(splits.begin(), splits.end(),
                             [](const auto& x, const auto& y) { return x.first == y.first; }),
                 splits.end());
    PartsOfChain& of = partsOf[i];
    of.first = parts.size();
    of.closed = chains[i].closed;
    for (const auto& split : splits) of.places.push_back(split.first);
    of.fromVertex0 = of.closed && !splits.empty() && splits.front().first == Place{0, 0.0};
    for (BasePath& piece : CutAt(chains[i], splits, of)) parts.push_back({std::move(piece), i});
  }

  // The through pairs joined, end to end.
  std::vector<Slot> partner(parts.size() * 2, Slot{kNoPart, false});
  std::vector<int> junctionOfSlot(parts.size() * 2, -1);
  const auto slotOf = [&](const Junction& j, const Arm& arm) -> std::optional<Slot> {
    const PartsOfChain& of = partsOf[arm.chain];
    if (arm.passage < 0) return of.EndSlot(arm.atEnd);
    const Passage& q = j.passages[static_cast<std::size_t>(arm.passage)];
    if (!q.split) return std::nullopt;
    return of.SplitSlot(q.place, arm.forward);
  };
  for (std::size_t ji = 0; ji < junctions.size(); ++ji) {
    const Junction& j = junctions[ji];
    if (j.arms.size() < 2) continue;
    for (const Arm& arm : j.arms) {
      if (const std::optional<Slot> slot = slotOf(j, arm)) {
        junctionOfSlot[SlotKey(*slot)] = static_cast<int>(ji);
      }
    }
    if (!j.pair) continue;
    const std::optional<Slot> a = slotOf(j, j.arms[j.pair->first]);
    const std::optional<Slot> b = slotOf(j, j.arms[j.pair->second]);
    if (!a || !b) continue;
    partner[SlotKey(*a)] = *b;
    partner[SlotKey(*b)] = *a;
  }

  // Bands followed through the joins: first from the free ends, then round the loops.
  std::vector<NetworkBand> bands;
  std::vector<std::size_t> bandOfPart(parts.size(), kNoPart);
  std::vector<std::pair<Slot, Slot>> bandSlots;
  const auto follow = [&](std::size_t part, bool forward) {
    NetworkBand band;
    band.order = split.origin[parts[part].chain];
    const Slot first{part, !forward};
    Slot exit{part, forward};
    band.path = forward ? parts[part].path : Reversed(parts[part].path);
    bandOfPart[part] = bands.size();
    bool closed = parts[part].path.closed;
    while (!closed) {
      const Slot next = partner[SlotKey(exit)];
      if (next.part == kNoPart) break;
      if (next == first) {
        closed = true;
        break;
      }
      const BasePath& path = parts[next.part].path;
      band.path = Joined(band.path, next.atEnd ? Reversed(path) : path, -1.0);
      band.order = std::min(band.order, split.origin[parts[next.part].chain]);
      bandOfPart[next.part] = bands.size();
      exit = {next.part, !next.atEnd};
    }
    if (closed) {
      band.path.closed = true;
      band.path.points.back() = band.path.points.front();
    }
    bands.push_back(std::move(band));
    bandSlots.push_back({first, exit});
  };
  for (std::size_t p = 0; p < parts.size(); ++p) {
    if (bandOfPart[p] != kNoPart || parts[p].path.closed) continue;
    if (partner[SlotKey({p, false})].part == kNoPart) {
      follow(p, true);
    } else if (partner[SlotKey({p, true})].part == kNoPart) {
      follow(p, false);
    }
  }
  for (std::size_t p = 0; p < parts.size(); ++p) {
    if (bandOfPart[p] == kNoPart) follow(p, true);
  }

  std::vector<bool> seamSlot(parts.size() * 2, false);
  for (std::size_t i = 0; i < chains.size(); ++i) {
    if (!Open(chains[i])) continue;
    for (const bool atEnd : {false, true}) {
      if (seam({i, atEnd})) seamSlot[SlotKey(partsOf[i].EndSlot(atEnd))] = true;
    }
  }

  // What each band end meets, and the stems run on across the band they end on.
  const double widest = std::max(std::fabs(lo), std::fabs(hi));
  for (std::size_t b = 0; b < bands.size(); ++b) {
    NetworkBand& band = bands[b];
    if (band.path.closed) continue;
    for (const bool atEnd : {false, true}) {
      const Slot slot = atEnd ? bandSlots[b].second : bandSlots[b].first;
      if (seamSlot[SlotKey(slot)]) (atEnd ? band.end : band.start).junction = true;
      const int ji = junctionOfSlot[SlotKey(slot)];
      if (ji < 0) continue;
      const Junction& j = junctions[static_cast<std::size_t>(ji)];
      BandEnd& end = atEnd ? band.end : band.start;
      end.junction = true;
      if (!j.pair) continue;
      const Arm& a = j.arms[j.pair->first];
      const Arm& c = j.arms[j.pair->second];
      std::size_t through = kNoPart;
      if (const std::optional<Slot> s = slotOf(j, a)) {
        through = bandOfPart[s->part];
      } else {
        const Passage& q = j.passages[static_cast<std::size_t>(a.passage)];
        through = bandOfPart[partsOf[q.chain].PartAt(q.place)];
      }
      StemEnd stem{through, j.at, a.direction, c.direction, 0.0};
      const PointD into = IntoPath(band.path, atEnd);
      const auto ccwFrom = [](PointD from, PointD v) {
        return AngleAfter(MyFunc::DirectionAngle(from.x, from.y), MyFunc::DirectionAngle(v.x, v.y));
      };
      // The far side is the one the band does not come from.
      if (ccwFrom(stem.ray1, into) < ccwFrom(stem.ray1, stem.ray2)) std::swap(stem.ray1, stem.ray2);
      // Run on far enough for every row to reach the through band's centre line.
      double cot = 0.0;
      for (const PointD ray : {stem.ray1, stem.ray2}) {
        const double sine = std::fabs(Cross(into, ray));
        if (sine > 0.01) cot = std::max(cot, std::fabs(Dot(into, ray)) / sine);
      }
      stem.runOn = widest * cot;
      if (stem.runOn > tolerance) {
        const PointD to = Plus(j.at, Negated(into), stem.runOn);
        band.path = atEnd ? RunOn(band.path, to) : Reversed(RunOn(Reversed(band.path), to));
      } else {
        stem.runOn = 0.0;
      }
      end.stem = stem;
    }
  }
  return bands;
}

}  // namespace tq58
