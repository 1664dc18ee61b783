// Centre lines drawn more than once counted once: a chain that runs along an earlier one loses
// that stretch, and a chain that lies wholly inside another's band adds nothing.
#pragma once

#include "network/network_chains.h"

namespace tq58 {

// Removes from every chain each stretch longer than `tolerance` where a piece of it overlaps a
// piece of an earlier chain, or an earlier piece of its own; the chain is split round it, and
// the ends so made (not seams) lie on the other chain. A closed chain is opened there.
void RemoveOverlaps(SplitChains& split, double tolerance);

// Removes each chain (not split at a seam) whose region stands out of the union of the others'
// by at most `margin`: every point of its outline lies inside another region or within `margin`
// of one. The others are the chains of other given chains that stay: those kept before it, and
// those after it that the rest do not cover, so that no chain goes for the sake of one that goes
// too; of two copies of a chain the first is kept. The parts of one given chain are cut against
// each other instead. `regions` are those of split's chains.
void RemoveCoveredChains(SplitChains& split, const ChainRegions& regions, double margin);

}  // namespace tq58
