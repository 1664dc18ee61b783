// A chain-mode run previewed: the selection as the host wrote it, and what a preset draws
// along its lines.
#pragma once

#include <cstdint>

#include "exchange/model.h"
#include "presets/presets.h"
#include "preview/scene.h"

namespace tq58::preview {

// The entities of `host` in grey with its indicated points, and in colour what preset
// `preset` (1..20) of `store` draws along the chains of its selected lines (turned round with
// `reverse`), as the host would draw it; titled with the run's notice or error.
Scene ChainScene(const PresetStore& store, int32_t preset, const exchange::ExchangeModel& host,
                 bool reverse);

}  // namespace tq58::preview
