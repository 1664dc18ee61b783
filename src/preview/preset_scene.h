// A preset drawn along sample paths, so that a user sees what it draws before using it.
#pragma once

#include <cstdint>

#include "presets/presets.h"
#include "preview/scene.h"

namespace tq58::preview {

// The rows and options of `table` drawn by the program's own construction along four sample
// paths side by side: an L, a U, an S and a closed rectangle, all traced counterclockwise but
// for the S's right turn; and below them along a road with a curve, an S of two curves and a
// street with a T and an X junction (cleaned when the preset's option says so, otherwise each
// street drawn on its own); with the paths as dashed base lines and their numbered points. The
// paths are sized to the widest line and largest radius (the base radius of concentric corners
// included); the host's current colour, line type and width, which rows may ask for, are 2, 1
// and 0, and its layer group has the scale `scale`, by which paper-size values are multiplied.
// No title.
Scene SampleScene(const TLineTable& table, double scale);

// Preset `preset` (1..20) of `store` as SampleScene draws it at scale 1, so that paper-size
// rows draw at their face value, titled with its number and comment.
Scene PresetScene(const PresetStore& store, int32_t preset);

// True when the preset has at least one row to draw.
bool PresetDrawsAnything(const PresetStore& store, int32_t preset);

}  // namespace tq58::preview
