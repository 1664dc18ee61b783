// The pieces of the chains filed by box.
#include "network/centre_line_index.h"

#include "path/path_edit.h"

namespace tq58 {

Box BoxAround(PointD p, double r) { return {p.x - r, p.y - r, p.x + r, p.y + r}; }

CentreLineIndex::CentreLineIndex(const std::vector<BasePath>& chains, double margin) {
  for (std::size_t i = 0; i < chains.size(); ++i) {
    if (chains[i].points.size() < 2) continue;
    for (std::size_t k = 0; k + 1 < chains[i].points.size(); ++k) {
      pieces_.push_back({i, k});
      index_.Add(geometry::BoxOf(BaseCurve(chains[i], k), margin));
    }
  }
  index_.Index();
}

std::vector<CentrePiece> CentreLineIndex::Near(const Box& box) const {
  std::vector<CentrePiece> found;
  for (const std::uint32_t i : index_.Near(box)) found.push_back(pieces_[i]);
  return found;
}

}  // namespace tq58
