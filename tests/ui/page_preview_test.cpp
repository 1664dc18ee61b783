// The scene of the page on display: what the dialog's preview area is given, checked for its
// elements, strokes and coordinates against the rows and options of the page.
#include "ui/page_preview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "preview/host_palette.h"

namespace tq58::ui {
namespace {

using preview::Bounds;
using preview::Scene;
using preview::StyledShape;

// The box around the shapes of one layer.
Bounds BoundsOf(const std::vector<StyledShape>& shapes) {
  Scene only;
  only.commands = shapes;
  return preview::SceneBounds(only);
}

// How far the box `outer` reaches beyond `inner` on its farthest side.
double Overhang(const Bounds& outer, const Bounds& inner) {
  return std::max({inner.min.x - outer.min.x, inner.min.y - outer.min.y, outer.max.x - inner.max.x,
                   outer.max.y - inner.max.y});
}

using HostTriple = std::tuple<int32_t, int32_t, int32_t>;  // colour, line type, width

struct PageCase {
  std::string name;
  std::vector<TLineRow> rows;
  TPresetOptions options;
  double outermost;                 // drawing units at 1:100 of the row farthest from the path
  std::set<HostTriple> attributes;  // of the host's commands, as the host numbers them
};

class PagePreviewTest : public ::testing::TestWithParam<PageCase> {};

// Every drawn row is drawn in the host's attributes it asks for, in the stroke that the host
// palette gives them, along the sample paths: the lines keep within the farthest row's spacing
// of the paths' box and reach it. The paths are shown whether or not a row is drawn.
TEST_P(PagePreviewTest, DrawsEachRowInItsStrokeAlongTheSamplePaths) {
  const PageCase& c = GetParam();
  TLineTable page;
  std::copy(c.rows.begin(), c.rows.end(), page.Lines.begin());
  page.Options = c.options;
  const Scene scene = PagePreviewScene(page);

  EXPECT_FALSE(scene.indicated.empty()) << "no sample paths";
  EXPECT_NE(scene.title.find(" 1/100"), std::string::npos) << "the example scale is not said";
  std::set<HostTriple> attributes;
  for (const StyledShape& shape : scene.commands) {
    ASSERT_TRUE(shape.stroke.host);
    const auto& host = *shape.stroke.host;
    attributes.insert({host.color, host.lineType, host.width});
    EXPECT_EQ(shape.stroke.color, preview::HostColorRgb(host.color));
    EXPECT_EQ(shape.stroke.dashPx, preview::HostDashPattern(host.lineType));
    EXPECT_EQ(shape.stroke.widthPx, preview::HostStrokeWidthPx(host.width));
  }
  EXPECT_EQ(attributes, c.attributes);
  if (c.attributes.empty()) return;

  const Bounds paths = BoundsOf(scene.indicated);
  const Bounds lines = BoundsOf(scene.commands);
  EXPECT_NEAR(Overhang(lines, paths), c.outermost, 1e-6 * c.outermost);
}

// The host's current colour, line type and width in the sample are 2, 1 and 0; list index k
// of the colours 1..9 is colour k, of the line types 1..9 line type k.
INSTANTIATE_TEST_SUITE_P(
    Pages, PagePreviewTest,
    ::testing::Values(PageCase{"NoRowDrawn", {{false, 5, 0, false, 3, 2, 50}}, {}, 0, {}},
                      PageCase{
                          "OneRowOnThePath", {{true, 0, 0, false, 0, 0, -1}}, {}, 0, {{2, 1, 0}}},
                      PageCase{"RowsInTheirOwnAttributes",
                               {{true, 5, 2, false, 8, 5, 35},
                                {true, -5, 2, false, 3, 2, -1},
                                {false, 50, 0, false, 6, 6, 70}},
                               {},
                               5,
                               {{8, 5, 35}, {3, 2, 0}}},
                      PageCase{"PaperSizeRowAtTheExampleScale",
                               {{true, 0, 0, false, 0, 0, -1}, {true, 1.5, 1, true, 1, 1, 25}},
                               {},
                               150,
                               {{2, 1, 0}, {1, 1, 25}}},
                      PageCase{"ConcentricCornersWithArcCaps",
                               {{true, 4, 0, false, 0, 0, -1}, {true, -4, 0, false, 0, 0, -1}},
                               {CornerMode::Concentric, 0.1, true, CapStyle::Arc, CapStyle::Line},
                               4,
                               {{2, 1, 0}}}),
    [](const auto& info) { return info.param.name; });

// A paper-size value at 1:100 draws as a real-size value a hundred times as large.
TEST(PagePreview, PaperSizeValuesDrawAtOneToOneHundred) {
  TLineTable paper;
  paper.Lines[0] = {true, 2.0, 3.0, true, 0, 0, -1};
  paper.Options = {CornerMode::Concentric, 0.5, true, CapStyle::Arc, CapStyle::None};
  TLineTable real = paper;
  real.Lines[0] = {true, 200.0, 300.0, false, 0, 0, -1};
  real.Options.BaseRadius = 50.0;
  real.Options.BaseRadiusPaperSize = false;

  const Scene fromPaper = PagePreviewScene(paper);
  const Scene fromReal = PagePreviewScene(real);
  ASSERT_EQ(fromPaper.commands.size(), fromReal.commands.size());
  const Bounds a = BoundsOf(fromPaper.commands);
  const Bounds b = BoundsOf(fromReal.commands);
  for (const auto& [x, y] : {std::pair(a.min, b.min), std::pair(a.max, b.max)}) {
    EXPECT_NEAR(x.x, y.x, 1e-9 * std::fabs(y.x) + 1e-9);
    EXPECT_NEAR(x.y, y.y, 1e-9 * std::fabs(y.y) + 1e-9);
  }
}

}  // namespace
}  // namespace tq58::ui
