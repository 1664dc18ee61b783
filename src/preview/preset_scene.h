// A preset drawn along sample paths, so that a user sees what it draws before using it.
#pragma once

#include <cstdint>

#include "multiline/presets.h"
#include "preview/scene.h"

namespace tq58::preview {

// Preset `preset` (1..20) of `store` drawn by the program's own construction along four
// sample paths side by side: an L, a U, an S and a closed rectangle, all traced
// counterclockwise but for the S's right turn. The paths are sized to the preset's widest
// line and largest radius (the base radius of concentric corners included); the host's current
// colour, line type and width, which rows may ask for, are 2, 1 and 0, and the scale is 1, so
// paper-size rows draw at their face value.
Scene PresetScene(const PresetStore& store, int32_t preset);

// True when the preset has at least one row to draw.
bool PresetDrawsAnything(const PresetStore& store, int32_t preset);

}  // namespace tq58::preview
