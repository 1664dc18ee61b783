// What the dialog's preview area shows of the page on display.
#pragma once

#include "presets/presets.h"
#include "preview/scene.h"

namespace tq58::ui {

// The example scale at which the preview draws paper-size values: 1:100.
inline constexpr double kPreviewExampleScale = 100.0;

// `page` drawn along the sample paths as tq58-preview draws a preset, with paper-size values
// at the example scale; titled with that scale, in Shift-JIS.
preview::Scene PagePreviewScene(const TLineTable& page);

}  // namespace tq58::ui
