// What a chain-mode run tells the host's user (Shift-JIS): how many chains it drew, and how
// many of the selected entities it left out and why.
#pragma once

#include <cstdint>
#include <string>

#include "path/selected_pieces.h"

namespace tq58 {

// "tq58：連続線をN本作図しました。", then what was left out, if anything.
std::string ChainNotice(int64_t chains, int64_t selected, const LeftOutCounts& leftOut);

// For a selection without a piece to draw along: that there is none, then what was left out.
std::string NoChainMessage(int64_t selected, const LeftOutCounts& leftOut);

}  // namespace tq58
