// Chains made ready for their junctions: seams where a chain crosses itself, and ends moved
// onto the centre lines that they stop short of or overshoot.
#include "network/network_chains.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "geometry/curve_meeting.h"
#include "geometry/geometry.h"
#include "geometry/outline_locator.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "network/centre_line_index.h"
#include "path/path_edit.h"

namespace tq58 {

namespace {

using geometry::Contact;
using geometry::kSeamCornerMargin;
using geometry::Meeting;

std::size_t LastPiece(const BasePath& path) { return path.points.size() - 2; }

}  // namespace

PointD EndPoint(const BasePath& path, bool atEnd) {
  return atEnd ? path.points.back() : path.points.front();
}

// The direction from an end into the path.
PointD IntoPath(const BasePath& path, bool atEnd) {
  return atEnd ? Negated(DirectionAtEnd(path, LastPiece(path))) : DirectionAtStart(path, 0);
}

bool IsOpenPath(const BasePath& path) { return !path.closed && path.points.size() >= 2; }

namespace {

// The regions but the chain's own that hold p (inside, or on the outline) or lie within
// `beyond` of it, and whose chains are still there; each with whether it holds p.
std::vector<std::pair<std::size_t, bool>> RegionsAround(const ChainRegions& regions,
                                                        const std::vector<bool>& alive,
                                                        std::size_t own, PointD p, double beyond,
                                                        double tolerance) {
  std::vector<std::pair<std::size_t, bool>> around;
  for (const std::uint32_t q : regions.Near(BoxAround(p, std::max(beyond, tolerance)))) {
    if (q == own || !alive[q]) continue;
    const geometry::OutlineLocator& region = regions.Region(q);
    if (region.Locate(p) != geometry::Where::Outside) {
      around.push_back({q, true});
    } else if (region.DistanceWithin(p, beyond) < beyond) {
      around.push_back({q, false});
    }
  }
  std::sort(around.begin(), around.end());
  return around;
}

// Whether an end of the chain lies on a centre line of another chain.
bool OnOtherCentreLine(const std::vector<BasePath>& chains, const CentreLineIndex& pieces,
                       std::size_t i, PointD e, double tolerance) {
  const std::vector<CentrePiece> at = pieces.Near(BoxAround(e, tolerance));
  return std::any_of(at.begin(), at.end(), [&](const CentrePiece& c) {
    if (c.chain == i) return false;
    const Curve other = BaseCurve(chains[c.chain], c.k);
    const double foot = std::clamp(other.Along(e), 0.0, other.Length());
    return geometry::PointDistance(other.At(foot), e) <= tolerance;
  });
}

double Length(const BasePath& path) {
  double length = 0.0;
  for (std::size_t k = 0; k + 1 < path.points.size(); ++k) length += BaseCurve(path, k).Length();
  return length;
}

// The point `along` piece k of the path in its direction of travel.
PointD PlaceOn(const BasePath& path, std::size_t k, double along) {
  const Curve piece = BaseCurve(path, k);
  const Curve* arc = PathArc(path, k);
  return piece.At(arc != nullptr && RunsClockwise(*arc) ? piece.Length() - along : along);
}

}  // namespace

void MoveEndsOntoCentreLines(SplitChains& split, const ChainRegions& regions, double width,
                             double reach, double tolerance) {
  std::vector<BasePath>& chains = split.chains;
  const std::vector<std::array<bool, 2>>& seams = split.seams;
  const CentreLineIndex pieces(chains, tolerance);
  const double runOnReach = std::max(width, tolerance);
  const double backReach = std::max(width + reach, tolerance);
  std::vector<bool> alive(regions.Count(), false);
  for (const std::size_t q : split.region) alive[q] = true;
  struct Move {
    std::size_t chain;
    bool atEnd;
    PointD to;
    bool back;  // on its own last piece
  };
  std::vector<Move> moves;
  for (std::size_t i = 0; i < chains.size(); ++i) {
    const BasePath& chain = chains[i];
    if (!IsOpenPath(chain)) continue;
    for (const bool atEnd : {false, true}) {
      if (seams[i][atEnd ? 1 : 0]) continue;
      const PointD e = EndPoint(chain, atEnd);
      // An end on another centre line stays (as at a star of many ends).
      if (OnOtherCentreLine(chains, pieces, i, e, tolerance)) continue;
      // An end inside another band runs on or back to its centre line; one that overshot it
      // and ends past the band by less than `reach` is cut back to it.
      const std::vector<std::pair<std::size_t, bool>> around =
          RegionsAround(regions, alive, split.region[i], e, reach, tolerance);
      if (around.empty()) continue;
      const std::vector<CentrePiece> near = pieces.Near(BoxAround(e, backReach));
      const Curve own = BaseCurve(chain, atEnd ? LastPiece(chain) : 0);
      const Curve ray = Curve::Segment(e, Plus(e, Negated(IntoPath(chain, atEnd)), runOnReach));
      std::optional<Move> best;
      double bestDistance = backReach;
      const auto consider = [&](PointD x, bool back) {
        const double d = geometry::PointDistance(x, e);
        if (d <= bestDistance) {
          bestDistance = d;
          best = Move{i, atEnd, x, back};
        }
      };
      for (const CentrePiece& c : near) {
        if (c.chain == i) continue;
        const auto region =
            std::lower_bound(around.begin(), around.end(), std::pair{split.region[c.chain], false});
        if (region == around.end() || region->first != split.region[c.chain]) continue;
        const Curve other = BaseCurve(chains[c.chain], c.k);
        for (const Meeting& x : MeetCurves(own, other, tolerance)) {
          if (x.contact != Contact::Overlap) consider(x.point, true);
        }
        if (!region->second) continue;
        for (const Meeting& x : MeetCurves(ray, other, tolerance)) {
          if (x.contact != Contact::Overlap) consider(x.point, false);
        }
      }
      if (best && bestDistance > tolerance) moves.push_back(*best);
    }
  }
  std::vector<bool> gone(chains.size(), false);
  for (const Move& m : moves) {
    BasePath& chain = chains[m.chain];
    if (gone[m.chain]) continue;
    if (!m.back) {
      chain = m.atEnd ? RunOn(chain, m.to) : Reversed(RunOn(Reversed(chain), m.to));
      continue;
    }
    // Cut back on the end piece, at its far vertex where the point lies on it; a chain of that
    // one piece then has nothing left, and goes: the streets it overshot make a corner.
    const std::size_t k = m.atEnd ? LastPiece(chain) : 0;
    const PointD farVertex = chain.points[m.atEnd ? k : k + 1];
    if (geometry::PointDistance(farVertex, m.to) <= tolerance) {
      if (chain.points.size() < 3) {
        gone[m.chain] = true;
        continue;
      }
      chain = m.atEnd ? SplitAtVertex(chain, k).first : SplitAtVertex(chain, 1).second;
    } else {
      chain = m.atEnd ? SplitAt(chain, k, m.to).first : SplitAt(chain, 0, m.to).second;
    }
  }
  // A dead end shorter than `reach` from a junction adds nothing but a spur in its corner.
  const CentreLineIndex moved(chains, tolerance);
  for (std::size_t i = 0; i < chains.size(); ++i) {
    if (gone[i] || !IsOpenPath(chains[i]) || seams[i][0] || seams[i][1]) continue;
    const bool startMet = OnOtherCentreLine(chains, moved, i, chains[i].points.front(), tolerance);
    const bool endMet = OnOtherCentreLine(chains, moved, i, chains[i].points.back(), tolerance);
    if (startMet != endMet && Length(chains[i]) < reach) gone[i] = true;
  }
  SplitChains kept;
  for (std::size_t i = 0; i < chains.size(); ++i) {
    if (!gone[i]) kept.AddPartOf(split, i, std::move(chains[i]), split.seams[i]);
  }
  split = std::move(kept);
}

std::vector<std::size_t> SeamPieces(std::vector<std::pair<std::size_t, std::size_t>> ranges) {
  std::sort(ranges.begin(), ranges.end(), [](const auto& x, const auto& y) {
    return x.second != y.second ? x.second < y.second : x.first < y.first;
  });
  // The fewest seams: each as late as the earliest-ending range without one allows.
  std::vector<std::size_t> seams;
  for (const auto& [first, last] : ranges) {
    if (!seams.empty() && seams.back() >= first) continue;
    seams.push_back(last);
  }
  return seams;
}

std::vector<BasePath> SplitInMiddles(const BasePath& path, std::vector<std::size_t> seams) {
  BasePath rest = path;
  const auto middle = [&](std::size_t k) {
    const Curve t = BaseCurve(rest, k);
    return t.At(t.Length() / 2.0);
  };
  if (rest.closed && !seams.empty()) {
    // Opened at its last seam; the pieces before it now follow those after.
    const std::size_t last = seams.back(), n = rest.points.size() - 1;
    seams.pop_back();
    rest = SplitAt(rest, last, middle(last)).second;
    for (std::size_t& seam : seams) seam += n - last;
  }
  std::vector<BasePath> parts;  // from the last to the first
  for (auto it = seams.rbegin(); it != seams.rend(); ++it) {
    auto [before, after] = SplitAt(rest, *it, middle(*it));
    parts.push_back(std::move(after));
    rest = std::move(before);
  }
  parts.push_back(std::move(rest));
  std::reverse(parts.begin(), parts.end());
  return parts;
}

SplitChains SplitSelfCrossings(const std::vector<BasePath>& chains, double tolerance) {
  SplitChains out;
  const CentreLineIndex pieces(chains, tolerance);
  std::vector<std::vector<std::pair<std::size_t, std::size_t>>> crossings(chains.size());
  for (std::size_t c = 0; c < chains.size(); ++c) {
    const BasePath& chain = chains[c];
    if (chain.points.size() < 4) continue;  // no two pieces with one between them
    const std::size_t n = chain.points.size() - 1;
    for (std::size_t i = 0; i + 1 < chain.points.size(); ++i) {
      const Curve a = BaseCurve(chain, i);
      for (const CentrePiece& other : pieces.Near(geometry::BoxOf(a, tolerance))) {
        const std::size_t j = other.k;
        if (other.chain != c || j < i + 2) continue;
        if (chain.closed && i == 0 && j + 1 == n) continue;  // they follow each other round
        const std::vector<Meeting> meetings = MeetCurves(a, BaseCurve(chain, j), -tolerance);
        if (std::any_of(meetings.begin(), meetings.end(),
                        [](const Meeting& m) { return m.contact != Contact::Overlap; })) {
          crossings[c].push_back({i, j});
        }
      }
    }
  }
  for (std::size_t i = 0; i < chains.size(); ++i) {
    // A seam strictly between the two pieces of each pair.
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (const auto& [first, second] : crossings[i]) ranges.push_back({first + 1, second - 1});
    const std::vector<BasePath> parts = SplitInMiddles(chains[i], SeamPieces(std::move(ranges)));
    const bool opened = chains[i].closed && !parts.front().closed;
    for (std::size_t k = 0; k < parts.size(); ++k) {
      out.chains.push_back(parts[k]);
      out.seams.push_back({k > 0 || opened, k + 1 < parts.size() || opened});
      out.origin.push_back(i);
    }
  }
  return out;
}

// The path split halfway along its pieces first to last, the same place whichever way it
// runs: at a vertex, or inside a piece; but not where the rows turn a corner (within
// `cornerReach` of its vertex, times the tangent of half its turn, and a margin), so that
// each half's rows end where the whole band's pass: then at the nearest place clear of the
// corners, the lower-left of two as near. Also the piece it is split in, as SplitInMiddles
// numbers its seams (at a vertex, the piece before it).
std::pair<std::vector<BasePath>, std::size_t> SplitHalfway(
    const BasePath& path, const std::pair<std::size_t, std::size_t>& range, double cornerReach,
    double tolerance) {
  const std::size_t n = path.points.size() - 1;
  // How far the rows' corner at vertex v reaches along the pieces next to it.
  const auto setback = [&](std::size_t v) {
    if (v == 0 || v == n) return 0.0;
    // The tangent of half the turn between the two unit directions; a fold (split before
    // now) has no place clear of it.
    const PointD a = DirectionAtEnd(path, v - 1), b = DirectionAtStart(path, v);
    if (geometry::TurnBetween(a, b) == geometry::Turn::Back) {
      return std::numeric_limits<double>::infinity();
    }
    return cornerReach * std::fabs(Cross(a, b)) / (1.0 + Dot(a, b));
  };
  // Clear of the corners by a tenth of their reach, so that fillets ending there fit.
  const auto clear = [&](std::size_t v) {
    const double back = setback(v);
    return back > tolerance ? back + kSeamCornerMargin * cornerReach : 0.0;
  };
  // Where on piece p a seam leaves its corners as the whole band draws them. A row rounds a
  // corner only where the segments at it have more than its radius left, each fillet using
  // up a radius: where the piece is long enough for the fillets of its corners, the seam
  // leaves each of them that much too.
  const auto window = [&](std::size_t p, double length) {
    double lo = clear(p), hi = length - clear(p + 1);
    const double least = (1.0 + kSeamCornerMargin) * cornerReach;
    if (length > least * ((lo > 0.0 ? 1.0 : 0.0) + (hi < length ? 1.0 : 0.0))) {
      if (lo > 0.0) lo = std::max(lo, least);
      if (hi < length) hi = std::min(hi, length - least);
    }
    return std::pair{lo, hi};
  };
  std::vector<double> lengths;
  double total = 0.0;
  for (std::size_t k = range.first; k <= range.second; ++k) {
    lengths.push_back(BaseCurve(path, k).Length());
    total += lengths.back();
  }
  // The place clear of corners nearest halfway: piece and distance along it.
  std::size_t k = range.first;
  double along = total / 2.0, best = std::numeric_limits<double>::infinity(), passed = 0.0;
  PointD bestPoint;
  for (std::size_t p = range.first; p <= range.second; ++p) {
    const double length = lengths[p - range.first];
    const auto [lo, hi] = window(p, length);
    if (lo <= hi) {
      const double at = std::clamp(total / 2.0 - passed, lo, hi);
      const double off = std::fabs(passed + at - total / 2.0);
      const PointD point = PlaceOn(path, p, at);
      // As near within the tolerance (the sums of lengths differ by the direction of travel).
      const bool tie = std::fabs(off - best) <= tolerance;
      if ((off < best && !tie) ||
          (tie && (point.x < bestPoint.x || (point.x == bestPoint.x && point.y < bestPoint.y)))) {
        best = off;
        bestPoint = point;
        k = p;
        along = at;
      }
    }
    passed += length;
  }
  if (best == std::numeric_limits<double>::infinity()) {
    // No piece clear of its corners: halfway all the same.
    along = total / 2.0;
    for (k = range.first; k < range.second && along > lengths[k - range.first]; ++k) {
      along -= lengths[k - range.first];
    }
  }
  const double length = lengths[k - range.first];
  if (along <= tolerance && k > 0) {
    auto [before, after] = SplitAtVertex(path, k);
    return {{before, after}, k - 1};
  }
  if (length - along <= tolerance && k + 1 < n) {
    auto [before, after] = SplitAtVertex(path, k + 1);
    return {{before, after}, k};
  }
  auto [first, second] = SplitAt(path, k, PlaceOn(path, k, along));
  return {{first, second}, k};
}

}  // namespace tq58
