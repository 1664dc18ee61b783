// Exchange-file entities and indicated points turned into styled shapes.
#include "preview/model_scene.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "exchange/reader.h"
#include "path/base_path.h"
#include "preview/host_palette.h"
#include "preview/solid_shapes.h"
#include "util/host_limits.h"

namespace tq58::preview {

namespace {

using namespace tq58::exchange;

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr char kIndicatedColor[] = "#e06000";
constexpr char kBasePathColor[] = "#808080";
constexpr double kIndicatedDotPx = 3.5;
constexpr double kBlockDotPx = 3.0;
constexpr double kSolidEdgePx = 1.0;

// "sc" and "so" fields 1 to 7: centre, radius, flatness, tilt, start and sweep in radians
// (the reader keeps those of "sc" under an arc's names, in the same order).
SolidArc SolidArcOf(const TJwwEntSolidArc& s) {
  return {{s.X, s.Y}, s.Radius, s.StartAngle, s.EndAngle, s.Flatness, s.Tilt};
}
SolidArc SolidArcOf(const TJwwEntSolidValues& s) {
  return {{s.V[0], s.V[1]}, s.V[2], s.V[3], s.V[4], s.V[5], s.V[6]};
}

// Adds the shapes of one layer, each entity with the stroke its header asks for.
class EntityAdder {
 public:
  EntityAdder(const ExchangeModel& model, Layer layer, Scene& scene)
      : model_(model), layer_(layer), scene_(scene) {}

  void Add(const TEntityHeader& header, Shape shape, bool filled = false) {
    Stroke stroke = layer_ == Layer::Host
                        ? HostEntityStroke()
                        : HostStroke(header.Color, header.LineType, header.LineWidth);
    stroke.filled = filled;
    scene_.Add(layer_, std::move(shape), std::move(stroke));
  }

  void AddArc(const TEntityHeader& header, double x, double y, double radius, double start,
              double end, double flatness, double tilt) {
    if (radius > 0.0 && flatness != 0.0) {
      Add(header, ArcShape{{x, y}, radius, start, end, flatness, tilt});
    }
  }

  // A solid in its own colour; a polygon filled. It has no outline: a hairline of its own
  // colour only closes the seams that anti-aliasing leaves between neighbouring solids.
  void AddSolid(const TEntityHeader& header, int32_t rgb, Shape shape, bool filled) {
    Stroke stroke = HostEntityStroke();
    if (layer_ != Layer::Host) {
      stroke.color = SolidColorRgb(header.Color, rgb);
      stroke.widthPx = kSolidEdgePx;
      stroke.host = HostAttributes{header.Color, header.LineType, header.LineWidth};
    }
    stroke.filled = filled;
    scene_.Add(layer_, std::move(shape), std::move(stroke));
  }

  void AddSolid(const TEntityHeader& header, int32_t rgb, std::optional<PolygonShape> polygon) {
    if (polygon) AddSolid(header, rgb, std::move(*polygon), true);
  }

  // A text at its size in the drawing: the style's height is paper millimetres, scaled by
  // the layer group it stands on.
  void AddText(const TJwwEntText& text) {
    const double height = text.Height * LayerGroupScaleOf(model_, text.Header.LayerGroup);
    if (!(height > 0.0)) return;
    Add(text.Header,
        TextShape{{text.X, text.Y},
                  text.Text,
                  height,
                  std::atan2(text.DirY, text.DirX) * kDegreesPerRadian},
        true);
  }

 private:
  const ExchangeModel& model_;
  Layer layer_;
  Scene& scene_;
};

}  // namespace

void AddEntities(const ExchangeModel& model, Layer layer, Scene& scene) {
  EntityAdder adder(model, layer, scene);
  // In file order, so that what the host drew later lies on top.
  for (const TEntityOrderItem& item : model.EntityOrder) {
    const auto i = static_cast<std::size_t>(item.Index);
    switch (item.Kind) {
      case KindLine: {
        const TJwwEntLine& line = model.LineList.at(i);
        adder.Add(line.Header, SegmentShape{{line.X1, line.Y1}, {line.X2, line.Y2}});
        break;
      }
      case KindCircle: {
        const TJwwEntCircle& circle = model.CircleList.at(i);
        if (circle.Radius > 0.0) {
          adder.Add(circle.Header, CircleShape{{circle.X, circle.Y}, circle.Radius});
        }
        break;
      }
      case KindArc: {
        const TJwwEntArc& arc = model.ArcList.at(i);
        adder.AddArc(arc.Header, arc.X, arc.Y, arc.Radius, arc.StartAngle, arc.EndAngle,
                     arc.Flatness, arc.Tilt);
        break;
      }
      case KindText:
        adder.AddText(model.TextList.at(i));
        break;
      case KindMsgText: {
        const TJwwEntMsgText& msg = model.MsgTextList.at(i);
        const TJwwEntLine& line = msg.Segment;
        adder.Add(line.Header, SegmentShape{{line.X1, line.Y1}, {line.X2, line.Y2}});
        adder.AddText(msg.Text);
        break;
      }
      case KindPoint: {
        const TJwwEntPoint& point = model.PointList.at(i);
        adder.Add(point.Header, DotShape{{point.X, point.Y}}, true);
        break;
      }
      case KindParamPoint: {
        const TJwwEntParamPoint& point = model.ParamPointList.at(i);
        adder.Add(point.Header, DotShape{{point.X, point.Y}}, true);
        break;
      }
      case KindBlock: {
        const TJwwEntBlk& block = model.BlockList.at(i);
        adder.Add(block.Header, DotShape{{block.X, block.Y}, kBlockDotPx}, true);
        adder.Add(block.Header, TextShape{{block.X, block.Y}, block.Name}, true);
        break;
      }
      case KindSolid2: {  // a line-shaped solid
        const TJwwEntSolid2& s = model.Solid2List.at(i);
        adder.AddSolid(s.Header, s.SolidColor, SegmentShape{{s.X1, s.Y1}, {s.X2, s.Y2}}, false);
        break;
      }
      case KindSolid3: {
        const TJwwEntSolid3& s = model.Solid3List.at(i);
        adder.AddSolid(s.Header, s.SolidColor,
                       CornerPolygon({{s.X1, s.Y1}, {s.X2, s.Y2}, {s.X3, s.Y3}}));
        break;
      }
      case KindSolid4: {
        const TJwwEntSolid4& s = model.Solid4List.at(i);
        adder.AddSolid(s.Header, s.SolidColor,
                       CornerPolygon({{s.X1, s.Y1}, {s.X2, s.Y2}, {s.X3, s.Y3}, {s.X4, s.Y4}}));
        break;
      }
      case KindSc: {
        const TJwwEntSolidArc& s = model.ScList.at(i);
        adder.AddSolid(s.Header, s.SolidColor, SolidArcPolygon(SolidArcOf(s), s.Code));
        break;
      }
      case KindSo: {  // field 8 is the inner radius
        const TJwwEntSolidValues& s = model.SoList.at(i);
        adder.AddSolid(s.Header, s.SolidColor, RingSectorPolygon(SolidArcOf(s), s.V[7]));
        break;
      }
      case KindSe: {
        const TJwwEntSolidArc& s = model.SeList.at(i);
        adder.AddArc(s.Header, s.X, s.Y, s.Radius, s.StartAngle, s.EndAngle, s.Flatness, s.Tilt);
        break;
      }
      default:  // "sg": not drawn
        break;
    }
  }
}

void AddWrittenCommands(const std::vector<std::string>& lines, Scene& scene) {
  ExchangeModel written;
  for (const std::string& line : lines) ParseExchangeLine(written, line);
  AddEntities(written, Layer::Commands, scene);
}

namespace {

// The base path's dashed grey line, and the dots and numbers of its points.
Stroke BasePathStroke() {
  Stroke path;
  path.color = kBasePathColor;
  path.dashPx = {6.0, 4.0};
  return path;
}

void AddNumberedPoint(PointD at, int number, Scene& scene) {
  Stroke mark;
  mark.color = kIndicatedColor;
  mark.filled = true;
  scene.Add(Layer::Indicated, DotShape{at, kIndicatedDotPx}, mark);
  scene.Add(Layer::Indicated, TextShape{at, std::to_string(number)}, mark);
}

}  // namespace

void AddBasePath(const BasePath& path, Scene& scene) {
  const std::vector<PointD>& points = path.points;
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    if (k < path.arcs.size() && path.arcs[k]) {
      const geometry::Curve& arc = *path.arcs[k];
      scene.Add(Layer::Indicated,
                ArcShape{arc.centre, arc.radius, arc.degrees->start, arc.degrees->end},
                BasePathStroke());
    } else {
      scene.Add(Layer::Indicated, SegmentShape{points[k], points[k + 1]}, BasePathStroke());
    }
  }
  const std::size_t numbered = path.closed ? points.size() - 1 : points.size();
  for (std::size_t k = 0; k < numbered; ++k) {
    AddNumberedPoint(points[k], static_cast<int>(k + 1), scene);
  }
}

void AddIndicatedPoints(const ExchangeModel& model, Scene& scene) {
  // The base path as a polyline run takes it: every point up to the first missing one.
  const std::vector<PointD> points = TakeBasePath(model.HpPoints, util::kPolylinePointLimit).points;
  for (std::size_t i = 1; i < points.size(); ++i) {
    scene.Add(Layer::Indicated, SegmentShape{points[i - 1], points[i]}, BasePathStroke());
  }
  for (int i = 1; i < kHpPointSlots; ++i) {
    const THpPoint& point = model.HpPoints[static_cast<std::size_t>(i)];
    if (point.Defined) AddNumberedPoint({point.X, point.Y}, i, scene);
  }
}

}  // namespace tq58::preview
