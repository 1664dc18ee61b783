// The host's limits and the preset range: numbers that the exchange file, the presets, the
// dialog and the tools all check, each rule stated once.
#pragma once

#include <cstdint>

namespace tq58::util {

// A line width that stands for the host's current width.
inline constexpr int32_t kHostLineWidth = -1;
// The widest line the host draws; its widths run from 0 up to this.
inline constexpr int32_t kMaxLineWidth = 30000;

// Text colours run from 0 to 8.
inline constexpr int32_t kMaxTextColor = 8;
constexpr bool IsTextColor(int32_t color) { return color >= 0 && color <= kMaxTextColor; }

// The host indicates at most the points 1 to 99, so a base polyline ("2") takes the first
// point and at most 98 after it.
inline constexpr int32_t kPolylinePointLimit = 98;

// The layers of a layer group are 0 to 15, written 0 to F; kCurrentLayer stands for the layer
// the host is writing to when it runs the transformation.
inline constexpr int32_t kCurrentLayer = -1;
inline constexpr int32_t kLastLayer = 15;
constexpr bool IsLayerNumber(int32_t layer) { return layer >= 0 && layer <= kLastLayer; }

// Presets are numbered from 1 to 20.
inline constexpr int kPresetCount = 20;
constexpr bool IsPresetNumber(int32_t number) { return number >= 1 && number <= kPresetCount; }

}  // namespace tq58::util
