// A preview scene painted with GDI, the window's counterpart of tq58-preview's SVG writer.
#pragma once

#include <windows.h>

#include "preview/scene.h"

namespace tq58::ui::win32 {

// Paints `scene` into `area` of `dc`: a white sheet, the title in its top-left corner in
// `font`, and below it the drawing fitted into the rest, every shape in the pen of its stroke
// (the host's colour, dash pattern and width). Texts and labels are drawn in `font`.
void PaintScene(HDC dc, const RECT& area, const preview::Scene& scene, HFONT font);

}  // namespace tq58::ui::win32
