// The entries of the four drop-down lists of a line row, as Shift-JIS bytes.
#pragma once

#include <string>
#include <vector>

namespace tq58::ui {

inline constexpr int kColorEntryCount = 266;
inline constexpr int kLineTypeEntryCount = 51;
inline constexpr int kWidthEntryCount = 26;
inline constexpr int kLayerEntryCount = 17;

// Colour list: index 0 is the host's current colour, 1-9 the host colours, 10-265 the SXF
// colours 1-256.
const std::vector<std::string>& ColorListEntries();

// Line-type list: index 0 is the host's current line type, 19-50 the SXF line types 1-32.
const std::vector<std::string>& LineTypeListEntries();

// Width list: "-1" (the host's current width), a run from "0" to "300", then a second run
// from "13" to "200".
const std::vector<std::string>& WidthListEntries();

// Layer list, for a row and for the fill: index 0 "現在" (the host's write layer), 1-16 the
// layers "0" to "F" of the host's layer group.
const std::vector<std::string>& LayerListEntries();

}  // namespace tq58::ui
