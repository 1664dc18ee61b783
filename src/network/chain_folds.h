// Chains split where they fold back on themselves, so that their bands meet there as ends
// rather than turning through a corner that no fillet or join can draw.
#pragma once

#include "network/network_chains.h"

namespace tq58 {

// Splits every chain at each corner where it turns back by more than kFoldTurn; the ends that
// meet there are ordinary ends, not seams. A closed chain is opened at its first fold.
void SplitAtFolds(SplitChains& split);

}  // namespace tq58
