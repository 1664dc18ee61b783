// The SVG of a scene: y turned upwards, arcs counterclockwise, texts escaped, nothing that is
// not a finite number.
#include "preview/svg_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tq58::preview {
namespace {

Stroke Colored(const char* color) {
  Stroke stroke;
  stroke.color = color;
  return stroke;
}

Scene OneShape(Shape shape) {
  Scene scene;
  scene.Add(Layer::Commands, std::move(shape), Colored("#ff0000"));
  return scene;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t start = text.find(from);
  if (start == std::string::npos) return "";
  const std::size_t end = text.find(to, start + from.size());
  return text.substr(start + from.size(), end - start - from.size());
}

TEST(SvgWriter, SegmentsHaveTheirYNegated) {
  const std::string svg = RenderSvg(OneShape(SegmentShape{{0, 10}, {100, 50}}));
  EXPECT_NE(svg.find("<line x1=\"0\" y1=\"-10\" x2=\"100\" y2=\"-50\""), std::string::npos) << svg;
}

struct ArcCase {
  const char* name;
  double start, end, flatness;
  const char* path;  // the d attribute
};

void PrintTo(const ArcCase& c, std::ostream* out) { *out << c.name; }

class SvgArcs : public testing::TestWithParam<ArcCase> {};

// A quarter from 0 to 90 degrees runs from (10, 0) up to (0, 10): on the SVG's y-down screen
// that is the negative direction, sweep flag 0.
TEST_P(SvgArcs, RunCounterclockwiseAsTheHostDrawsThem) {
  const ArcCase& c = GetParam();
  const std::string svg = RenderSvg(OneShape(ArcShape{{0, 0}, 10, c.start, c.end, c.flatness, 0}));
  EXPECT_EQ(Between(svg, "<path d=\"", "\""), c.path) << svg;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SvgArcs,
    testing::Values(ArcCase{"FirstQuarter", 0, 90, 1, "M 10 0 A 10 10 0 0 0 0 -10"},
                    ArcCase{"AcrossZero", 270, 0, 1, "M 0 10 A 10 10 0 0 0 10 0"},
                    ArcCase{"ThreeQuarters", 0, 270, 1, "M 10 0 A 10 10 0 1 0 0 10"},
                    ArcCase{"FlatEllipse", 0, 90, 0.5, "M 10 0 A 10 5 0 0 0 0 -5"},
                    ArcCase{"MirroredEllipse", 0, 90, -0.5, "M 10 0 A 10 5 0 0 1 0 5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SvgWriter, AFullTurnIsAWholeEllipse) {
  const std::string svg = RenderSvg(OneShape(ArcShape{{5, 5}, 10, 30, 390, 0.5, 45}));
  EXPECT_EQ(svg.find("<path"), std::string::npos);
  EXPECT_NE(
      svg.find("<ellipse cx=\"5\" cy=\"-5\" rx=\"10\" ry=\"5\" transform=\"rotate(-45 5 -5)\""),
      std::string::npos)
      << svg;
}

// Solids are opaque, as the host fills them, so nothing below shows through.
TEST(SvgWriter, FilledPolygonsAreOpaqueInTheirStrokeColour) {
  Scene scene = OneShape(PolygonShape{{{0, 0}, {10, 0}, {0, 10}}});
  scene.commands.front().stroke.filled = true;
  const std::string polygon = Between(RenderSvg(scene), "<polygon points=\"0,0 10,0 0,-10\"", "/>");
  EXPECT_NE(polygon.find(" fill=\"#ff0000\""), std::string::npos) << polygon;
  EXPECT_EQ(polygon.find("opacity"), std::string::npos) << polygon;
}

TEST(SvgWriter, TextsAreEscapedAndControlCharactersDropped) {
  Scene scene = OneShape(TextShape{{0, 0}, "a<b>&\"c'\x01", 2.5});
  scene.title = "x&y";
  const std::string svg = RenderSvg(scene);
  EXPECT_NE(svg.find(">a&lt;b&gt;&amp;&quot;c&apos;</text>"), std::string::npos) << svg;
  EXPECT_NE(svg.find(">x&amp;y</text>"), std::string::npos) << svg;
}

TEST(SvgWriter, ShapesWithNumbersThatAreNotFiniteAreDropped) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  Scene scene;
  scene.Add(Layer::Host, SegmentShape{{0, 0}, {inf, 1}}, Colored("#000000"));
  scene.Add(Layer::Host, ArcShape{{0, 0}, 1, 0, nan, 1, 0}, Colored("#000000"));
  scene.Add(Layer::Host, TextShape{{nan, 0}, "x", 1}, Colored("#000000"));
  scene.Add(Layer::Host, SegmentShape{{0, 0}, {4, 3}}, Colored("#000000"));
  EXPECT_EQ(scene.host.size(), 1u);
  const std::string svg = RenderSvg(scene);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST(SvgWriter, ViewBoxHoldsTheDrawingWithAMarginAndSizesScaleToPixels) {
  Scene scene = OneShape(SegmentShape{{0, 0}, {1000, 500}});
  scene.commands.front().stroke.widthPx = 2.0;
  scene.commands.front().stroke.dashPx = {9.0, 3.0};
  const std::string svg = RenderSvg(scene);
  // 6 % of the larger extent each side; 1120 units over 960 pixels.
  EXPECT_NE(svg.find("width=\"960\" height=\"531\" viewBox=\"-60 -560 1120 620\""),
            std::string::npos)
      << svg;
  const double unitsPerPx = 1120.0 / 960.0;
  EXPECT_NEAR(std::stod(Between(svg, "stroke-width=\"", "\"")), 2.0 * unitsPerPx, 1e-9);
  EXPECT_NEAR(std::stod(Between(svg, "stroke-dasharray=\"", " ")), 9.0 * unitsPerPx, 1e-9);
}

TEST(SvgWriter, AnEmptySceneIsStillADocument) {
  const std::string svg = RenderSvg(Scene{});
  EXPECT_NE(svg.find("<svg "), std::string::npos);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
}

}  // namespace
}  // namespace tq58::preview
