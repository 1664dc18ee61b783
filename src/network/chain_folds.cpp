// Folds found from the directions at the end of one piece and the start of the next.
#include "network/chain_folds.h"

#include <cmath>

#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "path/path_edit.h"
#include "util/portable_math.h"

namespace tq58 {

namespace {

// Whether the path turns back by more than kFoldTurn at vertex v (v = 0 of a closed path: its
// closing corner).
bool FoldsAt(const BasePath& path, std::size_t v) {
  const std::size_t n = path.points.size() - 1;
  const PointD d1 = DirectionAtEnd(path, v == 0 ? n - 1 : v - 1), d2 = DirectionAtStart(path, v);
  return util::PortableAtan2(std::fabs(Cross(d1, d2)), Dot(d1, d2)) > geometry::kFoldTurn;
}

// The closed path run from vertex v round to it again, open.
BasePath OpenedAt(const BasePath& path, std::size_t v) {
  const std::size_t n = path.points.size() - 1;
  BasePath opened;
  for (std::size_t k = 0; k <= n; ++k) opened.points.push_back(path.points[(v + k) % n]);
  if (!path.arcs.empty()) {
    for (std::size_t k = 0; k < n; ++k) opened.arcs.push_back(path.arcs[(v + k) % n]);
  }
  return opened;
}

}  // namespace

void SplitAtFolds(SplitChains& split) {
  SplitChains out;
  for (std::size_t i = 0; i < split.chains.size(); ++i) {
    BasePath rest = split.chains[i];
    std::array<bool, 2> seams = split.seams[i];
    if (rest.points.size() >= 3 && rest.closed) {
      for (std::size_t v = 0; v + 1 < rest.points.size(); ++v) {
        if (!FoldsAt(rest, v)) continue;
        rest = OpenedAt(rest, v);
        seams = {false, false};
        break;
      }
    }
    std::vector<BasePath> parts;  // from the last to the first
    for (std::size_t v = rest.points.size() - 1; !rest.closed && v-- > 1;) {
      if (!FoldsAt(rest, v)) continue;
      auto [before, after] = SplitAtVertex(rest, v);
      parts.push_back(std::move(after));
      rest = std::move(before);
    }
    parts.push_back(std::move(rest));
    for (std::size_t k = parts.size(); k-- > 0;) {
      out.AddPartOf(split, i, std::move(parts[k]),
                    {k + 1 == parts.size() && seams[0], k == 0 && seams[1]});
    }
  }
  split = std::move(out);
}

}  // namespace tq58
