// Centre lines drawn more than once counted once: a chain that runs along an earlier one loses
// that stretch, and a chain that lies wholly inside another's band adds nothing.
#pragma once

#include "network/network_chains.h"

namespace tq58 {

// Removes from every chain each stretch longer than `tolerance` where a piece of it overlaps a
// piece of an earlier chain, or an earlier piece of its own; the chain is split round it, and
// the ends so made (not seams) lie on the other chain. A closed chain is opened there.
void RemoveOverlaps(SplitChains& split, double tolerance);

// Removes each chain (not split at a seam) whose vertices and the middles of its pieces all lie
// strictly inside the strip of one other chain between spacings lo and hi, beside its pieces
// or round its corners.
void RemoveCoveredChains(SplitChains& split, double lo, double hi, double tolerance);

}  // namespace tq58
