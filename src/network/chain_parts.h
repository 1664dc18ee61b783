// A network's chains cut into parts where they meet other chains: places along a chain, the
// parts and their ends (slots), and which part holds a place.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "path/base_path.h"

namespace tq58 {

// A place along a chain: segment k and the distance along it in the direction of travel.
struct Place {
  std::size_t k = 0;
  double along = 0.0;
  bool operator<(const Place& o) const { return k != o.k ? k < o.k : along < o.along; }
  bool operator==(const Place& o) const { return k == o.k && along == o.along; }
};

// A piece of a chain between its splits, and which part of which chain it is.
struct Part {
  BasePath path;
  std::size_t chain = 0;
  std::size_t start = 0;  // the piece of the chain it starts in
};

// One end of a part.
struct Slot {
  std::size_t part = 0;
  bool atEnd = false;
  bool operator==(const Slot&) const = default;
};

inline std::size_t SlotKey(const Slot& s) { return s.part * 2 + (s.atEnd ? 1 : 0); }

inline constexpr std::size_t kNoPart = static_cast<std::size_t>(-1);

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
                            const PartsOfChain& of);

}  // namespace tq58
