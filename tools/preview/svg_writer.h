// A preview scene as an SVG document.
#pragma once

#include <string>

#include "preview/scene.h"

namespace tq58::preview {

// The SVG of `scene`: the drawing fitted into at most 960 x 720 pixels on a white sheet, y
// turned to point upwards as in the host, the groups "host", "indicated" and "commands"
// drawn in that order, the title above the drawing.
std::string RenderSvg(const Scene& scene);

}  // namespace tq58::preview
