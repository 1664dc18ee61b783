// The host's attributes as a screen shows them: colour numbers as RGB, line-type numbers as
// dash patterns, line-width numbers as stroke widths.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "preview/scene.h"

namespace tq58::preview {

// "#rrggbb" of a host colour on a white sheet: 1..9 the host's screen colours, 101..116 the
// SXF standard colours, 117..356 (SXF user colours, which have no fixed value) one dark blue;
// any other number is drawn black.
std::string HostColorRgb(int32_t color);

// "#rrggbb" of a solid: with colour 10, the solid's own `rgb` (R + 256 G + 65536 B; a
// middle grey when out of range), with any other colour the line colour's.
std::string SolidColorRgb(int32_t color, int32_t rgb);

// Dash pattern in screen pixels of a host line type: 2..9 the host's dotted and chain lines,
// 16..19 their double-length forms, 32..45 the SXF line types; an empty pattern (solid) for
// 1, 31, the random lines 11..15 and every other number.
std::vector<double> HostDashPattern(int32_t lineType);

// Stroke width in screen pixels of a host line width (hundredths of a millimetre on paper):
// 1 to 40 pixels, so that width 0, the host's thinnest line, stays visible.
double HostStrokeWidthPx(int32_t width);

// The stroke of a command written back: colour, line type and width as the host draws them.
Stroke HostStroke(int32_t color, int32_t lineType, int32_t width);

// The stroke of the host's own entities: a thin grey line.
Stroke HostEntityStroke();

}  // namespace tq58::preview
