// What a preview shows, before a renderer draws it (as SVG or on a window): shapes in the
// host's drawing coordinates (x to the right, y upwards, drawing units), each with the stroke
// it is drawn with. Texts are Shift-JIS bytes like every other text of the program; each
// renderer converts them at its edge.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "geometry/geometry.h"

namespace tq58::preview {

using geometry::PointD;

// The host's numbers of a command's colour, line type and width.
struct HostAttributes {
  int32_t color = 0;
  int32_t lineType = 0;
  int32_t width = 0;
};

// How a shape is drawn. Widths and dashes are screen pixels; a renderer scales them.
struct Stroke {
  std::string color;                   // "#rrggbb"
  double widthPx = 1.0;                // stroke width
  std::vector<double> dashPx;          // dash, gap, dash, gap ...; empty for a solid line
  bool filled = false;                 // the shape's inside is painted in the stroke colour
  std::optional<HostAttributes> host;  // set for commands written back
};

struct SegmentShape {
  PointD from;
  PointD to;
};

struct CircleShape {
  PointD centre;
  double radius = 0.0;
};

// An arc of an ellipse as the host draws it: from `startDeg` counterclockwise to `endDeg`;
// the ellipse has the half axes `radius` and `radius * flatness`, the first turned by `tiltDeg`.
struct ArcShape {
  PointD centre;
  double radius = 0.0;
  double startDeg = 0.0;
  double endDeg = 0.0;
  double flatness = 1.0;
  double tiltDeg = 0.0;
};

struct PolygonShape {
  std::vector<PointD> corners;
};

// A text whose baseline starts at `at`, running in the direction `angleDeg`; `height` is in
// drawing units, and a height of 0 means a label of fixed screen size set beside `at`.
struct TextShape {
  PointD at;
  std::string text;  // Shift-JIS
  double height = 0.0;
  double angleDeg = 0.0;
};

// A round mark of fixed screen size: a point, a block's insertion point, an indicated point.
struct DotShape {
  PointD at;
  double radiusPx = 2.0;
};

using Shape = std::variant<SegmentShape, CircleShape, ArcShape, PolygonShape, TextShape, DotShape>;

struct StyledShape {
  Shape shape;
  Stroke stroke;
};

// The shapes are drawn in three groups, one above the other.
enum class Layer { Host, Indicated, Commands };

struct Scene {
  std::string title;  // Shift-JIS; shown above the drawing when not empty
  std::vector<StyledShape> host;
  std::vector<StyledShape> indicated;
  std::vector<StyledShape> commands;

  // Adds the shape to the layer; a shape with a coordinate or size that is not finite is
  // dropped, so that no "nan" or "inf" reaches a renderer.
  void Add(Layer layer, Shape shape, Stroke stroke);
  const std::vector<StyledShape>& In(Layer layer) const;
  bool Empty() const { return host.empty() && indicated.empty() && commands.empty(); }
};

// The point of the arc's ellipse at `angleDeg`.
PointD PointOnArc(const ArcShape& arc, double angleDeg);

// Counterclockwise sweep from start to end in degrees, in (0, 360]; equal angles (modulo
// 360) make the full ellipse.
double ArcSweepDeg(const ArcShape& arc);

// The smallest box around every shape; texts count by their start point.
struct Bounds {
  PointD min;
  PointD max;
  bool empty = true;

  void Add(PointD p);
};
Bounds SceneBounds(const Scene& scene);

}  // namespace tq58::preview
