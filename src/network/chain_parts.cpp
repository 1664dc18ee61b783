#include "network/chain_parts.h"

#include "path/path_edit.h"

namespace tq58 {

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

}  // namespace tq58
