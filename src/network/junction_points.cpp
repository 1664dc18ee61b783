#include "network/junction_points.h"

#include <algorithm>
#include <unordered_map>

#include "geometry/point_grid.h"
#include "geometry/vector2.h"
#include "network/centre_line_index.h"
#include "network/network_chains.h"
#include "network/open_side.h"
#include "network/through_pairs.h"
#include "path/path_edit.h"

namespace tq58 {

namespace {

using geometry::Negated;

// The chains that pass through `p` within the tolerance, other than at an open end.
std::vector<Passage> PassagesAt(const std::vector<BasePath>& chains, const CentreLineIndex& pieces,
                                PointD p, double tolerance) {
  std::vector<Passage> found;
  for (const CentrePiece& piece : pieces.Near(BoxAround(p, tolerance))) {
    const BasePath& chain = chains[piece.chain];
    const Curve curve = BaseCurve(chain, piece.k);
    const double s = curve.Along(p), length = curve.Length();
    if (s < -tolerance || s > length + tolerance) continue;
    if (geometry::PointDistance(curve.At(std::clamp(s, 0.0, length)), p) > tolerance) continue;
    const Curve* arc = PathArc(chain, piece.k);
    const double along = arc != nullptr && RunsClockwise(*arc) ? length - s : s;
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
    const Curve* arc = PathArc(chain, q.place.k);
    const bool cw = arc != nullptr && RunsClockwise(*arc);
    const PointD t = curve.DirectionAt(cw ? curve.Length() - q.place.along : q.place.along);
    on = cw ? Negated(t) : t;
    back = Negated(on);
  }
  j.arms.push_back({back, q.chain, false, index, false});
  j.arms.push_back({on, q.chain, false, index, true});
}

// The through pairs of a junction's arms; where none pairs and the arms all leave to one
// side, the open side's corner or fold back; and which passages the pairs split.
void PairArms(Junction& j) {
  std::vector<PointD> directions;
  for (const Arm& a : j.arms) directions.push_back(a.direction);
  j.pairs = ThroughPairs(directions);
  std::vector<bool> paired(j.arms.size(), false);
  for (const auto& [a, b] : j.pairs) paired[a] = paired[b] = true;
  // A chain that passes with neither side paired runs on through: it turns there by less
  // than kFoldTurn, since it was split where it folds.
  for (std::size_t a = 0; a + 1 < j.arms.size(); ++a) {
    if (j.arms[a].passage >= 0 && j.arms[a].passage == j.arms[a + 1].passage && !paired[a] &&
        !paired[a + 1]) {
      j.pairs.push_back({a, a + 1});
    }
  }
  // Where nothing pairs and the arms all leave to one side, the two bounding the open side
  // make a corner, or, where they turn back too far for one, end back to back.
  if (j.pairs.empty()) {
    if (const std::optional<OpenSide> open = FindOpenSide(directions)) {
      if (open->fold) {
        j.foldBack = {open->first, open->second};
      } else {
        j.pairs.push_back(
            {std::min(open->first, open->second), std::max(open->first, open->second)});
      }
    }
  }
  for (const auto& [x, y] : j.pairs) {
    const Arm& a = j.arms[x];
    const Arm& b = j.arms[y];
    if (a.passage >= 0 && a.passage == b.passage) continue;  // the chain runs on through
    for (const Arm* arm : {&a, &b}) {
      if (arm->passage >= 0) j.passages[static_cast<std::size_t>(arm->passage)].split = true;
    }
  }
}

}  // namespace

std::vector<Junction> FindJunctions(const std::vector<BasePath>& chains,
                                    const std::vector<std::array<bool, 2>>& seams,
                                    double tolerance) {
  std::vector<Slot> ends;  // as slots of the chains before any split
  for (std::size_t i = 0; i < chains.size(); ++i) {
    if (!IsOpenPath(chains[i])) continue;
    for (const bool atEnd : {false, true}) {
      if (!seams[i][atEnd ? 1 : 0]) ends.push_back({i, atEnd});
    }
  }
  const auto endPoint = [&](std::size_t e) {
    return EndPoint(chains[ends[e].part], ends[e].atEnd);
  };
  std::vector<PointD> points;
  for (std::size_t e = 0; e < ends.size(); ++e) points.push_back(endPoint(e));
  const std::vector<std::size_t> groups = geometry::GroupsWithin(points, tolerance);
  std::vector<Junction> junctions;
  std::unordered_map<std::size_t, std::size_t> byRoot;
  for (std::size_t e = 0; e < ends.size(); ++e) {
    auto [it, fresh] = byRoot.try_emplace(groups[e], junctions.size());
    if (fresh) junctions.push_back(Junction{endPoint(e), {}, {}, {}, {}});
    junctions[it->second].arms.push_back(
        {IntoPath(chains[ends[e].part], ends[e].atEnd), ends[e].part, ends[e].atEnd, -1, false});
  }
  const CentreLineIndex pieces(chains, tolerance);
  for (Junction& j : junctions) {
    j.passages = PassagesAt(chains, pieces, j.at, tolerance);
    for (std::size_t q = 0; q < j.passages.size(); ++q) {
      AddPassageArms(chains, j, static_cast<int>(q));
    }
    if (j.arms.size() >= 2) PairArms(j);
  }
  return junctions;
}

}  // namespace tq58
