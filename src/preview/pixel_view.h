// Where a scene lands in an area of pixels, for a renderer that draws into a window: drawing
// coordinates (y upwards) to pixels (y downwards), and arcs as the chains of points that a
// polyline draws.
#pragma once

#include <vector>

#include "preview/scene.h"

namespace tq58::preview {

// A rectangle of pixels: left, top and size.
struct PixelArea {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// Drawing units to pixels: the same scale both ways, y turned to point downwards.
struct PixelView {
  double pixelsPerUnit = 1.0;
  double originX = 0.0;  // the pixel of the drawing's point (0, 0)
  double originY = 0.0;

  PointD ToPixels(PointD p) const {
    return {originX + p.x * pixelsPerUnit, originY - p.y * pixelsPerUnit};
  }
};

// The view that shows all of `bounds` as large as fits into `area` less `margin` pixels on
// each side, centred. An empty or pointlike box is centred at a scale of 1.
PixelView FitInArea(const Bounds& bounds, const PixelArea& area, double margin);

// The points of `arc` from its start counterclockwise to its end, close enough together that
// the chords between them stray less than about a quarter of a pixel from the arc at
// `pixelsPerUnit`; the first and last are the arc's ends.
std::vector<PointD> ArcPoints(const ArcShape& arc, double pixelsPerUnit);

}  // namespace tq58::preview
