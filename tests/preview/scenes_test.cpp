// Exchange files and presets turned into shapes: host entities in grey, commands in their
// own attributes, the indicated points, and presets drawn by the real construction.
#include <gtest/gtest.h>

#include <string_view>

#include "exchange/reader.h"
#include "preview/chain_scene.h"
#include "preview/host_palette.h"
#include "preview/model_scene.h"
#include "preview/preset_scene.h"
#include "preview/shift_jis_text.h"

namespace tq58::preview {
namespace {

exchange::ExchangeModel ModelOf(std::initializer_list<std::string_view> lines) {
  exchange::ExchangeModel model;
  for (std::string_view line : lines) exchange::ParseExchangeLine(model, line);
  return model;
}

template <typename T>
int CountOf(const std::vector<StyledShape>& shapes) {
  int count = 0;
  for (const StyledShape& s : shapes) count += std::holds_alternative<T>(s.shape) ? 1 : 0;
  return count;
}

TEST(ModelScene, HostEntitiesAreGreyAndCommandsCarryTheirAttributes) {
  const auto model = ModelOf({"lc3", "lt2", "lw50", "0 0 10 0", "ci 0 0 5", "ci 0 0 5 0 90 1 0",
                              "lc101", "lt1", "0 1 10 1"});
  Scene scene;
  AddEntities(model, Layer::Host, scene);
  AddEntities(model, Layer::Commands, scene);
  ASSERT_EQ(scene.host.size(), 4u);
  for (const StyledShape& s : scene.host) {
    EXPECT_EQ(s.stroke.color, HostEntityStroke().color);
    EXPECT_FALSE(s.stroke.host);
  }
  ASSERT_EQ(scene.commands.size(), 4u);
  const Stroke& first = scene.commands[0].stroke;
  ASSERT_TRUE(first.host);
  EXPECT_EQ(first.host->color, 3);
  EXPECT_EQ(first.host->lineType, 2);
  EXPECT_EQ(first.host->width, 50);
  EXPECT_EQ(first.dashPx, HostDashPattern(2));
  const Stroke& last = scene.commands[3].stroke;
  EXPECT_EQ(last.host->color, 101);
  EXPECT_EQ(last.color, HostColorRgb(101));
  EXPECT_TRUE(last.dashPx.empty());
}

// The selection in grey, the rows drawn along it by chain mode, and its notice as the title;
// a selection of nothing chain mode follows gets the error as its title and nothing drawn.
TEST(ChainScene, DrawsTheRowsOverTheSelectionTitledWithTheNotice) {
  PresetStore store;
  store.Preset(2).Lines[0] = {true, 1, 0, false, 3, 1, -1};
  const auto model = ModelOf({"0 0 10 0", "10 0 10 10", "ci 0 0 5"});
  const Scene scene = ChainScene(store, 2, model, false);
  EXPECT_EQ(scene.host.size(), 3u);
  EXPECT_EQ(CountOf<SegmentShape>(scene.commands), 2);
  EXPECT_EQ(ShiftJisToUtf8(scene.title).substr(0, 7), "tq58\xEF\xBC\x9A");

  const Scene nothing = ChainScene(store, 2, ModelOf({"ci 0 0 5 0 360 0.5 0"}), true);
  EXPECT_TRUE(nothing.commands.empty());
  EXPECT_FALSE(nothing.title.empty());
  EXPECT_NE(nothing.title, scene.title);
}

TEST(ModelScene, TextsTakeTheirLayerGroupsScale) {
  // "起点" in Shift-JIS; text style 1 is 3 mm high, layer group 1 is at 1:100.
  const auto model =
      ModelOf({"hs 1 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "lg1", "ch 5 6 0 1 \"\x8b\x4e\x93\x5f"});
  Scene scene;
  AddEntities(model, Layer::Host, scene);
  ASSERT_EQ(scene.host.size(), 1u);
  const auto& text = std::get<TextShape>(scene.host[0].shape);
  EXPECT_EQ(text.text, "\x8b\x4e\x93\x5f");
  EXPECT_DOUBLE_EQ(text.height, 300.0);
  EXPECT_DOUBLE_EQ(text.angleDeg, 90.0);
}

TEST(ModelScene, IndicatedPointsAreNumberedAndTheBasePathStopsAtTheFirstGap) {
  const auto model = ModelOf({"hp1 0 0", "hp2 10 0", "hp3 10 10", "hp5 0 10"});
  Scene scene;
  AddIndicatedPoints(model, scene);
  EXPECT_EQ(CountOf<SegmentShape>(scene.indicated), 2);  // 1-2, 2-3; 5 is not on the path
  EXPECT_EQ(CountOf<DotShape>(scene.indicated), 4);
  std::vector<std::string> labels;
  for (const StyledShape& s : scene.indicated) {
    if (const auto* text = std::get_if<TextShape>(&s.shape)) labels.push_back(text->text);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"1", "2", "3", "5"}));
}

TEST(ShiftJisText, ConvertsAndReplacesWhatIsNotShiftJis) {
  EXPECT_EQ(ShiftJisToUtf8("A\x82\xa0"), "A\xE3\x81\x82");  // "Aあ"
  EXPECT_EQ(ShiftJisToUtf8("\xb1"), "\xEF\xBD\xB1");        // half-width katakana
  EXPECT_EQ(ShiftJisToUtf8("a\x82"), "a\xEF\xBF\xBD");      // cut after a lead byte
  EXPECT_EQ(ShiftJisToUtf8("\xff"
                           "b"),
            "\xEF\xBF\xBD"
            "b");  // no such byte
}

// One row drawn along the L (2 segments, 1 corner), the U (3, 2), the S (3, 2) and the closed
// rectangle (4, 4): every corner rounded when the row has a radius; along the road (2
// segments and a curve, no corner) and the S of two curves; and, its junctions left as they
// are, along each of the three streets of the network (1 segment each).
TEST(PresetScene, DrawsEveryRowAlongTheSamplePaths) {
  PresetStore store;
  store.CurrentPreset = 1;
  store.Preset(4).Comment = "\x95\xc7";  // "壁"
  store.Preset(4).Lines[0] = {true, 5.0, 10.0, false, 10, 5, 35};
  store.Preset(4).Lines[1] = {true, -5.0, 0.0, false, 0, 0, -1};

  const Scene scene = PresetScene(store, 4);
  EXPECT_EQ(scene.title, "Preset 4: \x95\xc7");
  EXPECT_EQ(CountOf<SegmentShape>(scene.commands), 2 * (2 + 3 + 3 + 4 + 2 + 3));
  EXPECT_EQ(CountOf<ArcShape>(scene.commands), (1 + 2 + 2 + 4) + 2 * (1 + 2));
  int mappedRow = 0;
  for (const StyledShape& s : scene.commands) {
    ASSERT_TRUE(s.stroke.host);
    if (s.stroke.host->color == 101 && s.stroke.host->lineType == 5 && s.stroke.host->width == 35)
      ++mappedRow;
    else  // the host's current attributes of the sample
      EXPECT_EQ(
          std::make_tuple(s.stroke.host->color, s.stroke.host->lineType, s.stroke.host->width),
          std::make_tuple(2, 1, 0));
  }
  EXPECT_EQ(mappedRow, (2 + 3 + 3 + 4 + 2 + 3) + (1 + 2 + 2 + 4 + 1 + 2));
  EXPECT_EQ(CountOf<DotShape>(scene.indicated), 3 + 4 + 4 + 5 + 4 + 3 + 3 * 2);
  EXPECT_TRUE(PresetDrawsAnything(store, 4));
  EXPECT_FALSE(PresetDrawsAnything(store, 1));
}

// Spacing to the left of the travel direction: along the L's first leg, which runs down the
// y axis, the line lies at x = +5 (to the traveller's left).
TEST(PresetScene, PositiveSpacingLiesLeftOfTheTravelDirection) {
  PresetStore store;
  store.Preset(1).Lines[0] = {true, 5.0, 0.0, false, 1, 1, -1};
  const Scene scene = PresetScene(store, 1);
  const auto& first = std::get<SegmentShape>(scene.commands.front().shape);
  EXPECT_DOUBLE_EQ(first.from.x, 5.0);
  EXPECT_GT(first.from.y, first.to.y);
}

// Concentric corners about a base radius far larger than the rows' spacings: the paths are
// sized to it, so every corner of both rows is rounded, and the eight open paths get a
// half-circle cap at each end.
TEST(PresetScene, SizesTheSamplePathsToTheBaseRadiusAndDrawsTheCaps) {
  PresetStore store;
  store.Preset(2).Lines[0] = {true, 5.0, 0.0, false, 1, 1, -1};
  store.Preset(2).Lines[1] = {true, -5.0, 0.0, false, 1, 1, -1};
  store.Preset(2).Options = {CornerMode::Concentric, 500.0, false, CapStyle::Arc, CapStyle::Arc};
  const Scene scene = PresetScene(store, 2);
  EXPECT_EQ(CountOf<ArcShape>(scene.commands), 2 * (1 + 2 + 2 + 4) + 2 * (1 + 2) + 2 * 8);
}

// How often a segment of the rows in host colour `color` crosses a dashed base line of the
// scene, the ends of each strictly on either side of the other.
int RowsCrossingBasePaths(const Scene& scene, int32_t color) {
  const auto side = [](PointD p, PointD q, PointD r) {
    return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
  };
  int crossings = 0;
  for (const StyledShape& row : scene.commands) {
    const auto* piece = std::get_if<SegmentShape>(&row.shape);
    if (piece == nullptr || row.stroke.host->color != color) continue;
    for (const StyledShape& base : scene.indicated) {
      const auto* line = std::get_if<SegmentShape>(&base.shape);
      if (line == nullptr) continue;
      const PointD a = piece->from, b = piece->to, c = line->from, d = line->to;
      if (side(a, b, c) * side(a, b, d) < 0.0 && side(c, d, a) * side(c, d, b) < 0.0) ++crossings;
    }
  }
  return crossings;
}

// The network's junctions as the preset's option has them. Left as they are, the street's
// outer rows cross the X's centre line and one of them the T's stem, and the X's outer rows
// cross the street's: five crossings, nowhere else in the scene. Cleaned, the rows are cut
// where they meet another band and no outer row crosses a centre line.
TEST(PresetScene, CleanedJunctionsKeepTheOuterRowsOffTheOtherCentreLines) {
  PresetStore store;
  store.Preset(1).Lines[0] = {true, 3.0, 1.0, false, 1, 1, -1};
  store.Preset(1).Lines[1] = {true, -3.0, 1.0, false, 1, 1, -1};
  store.Preset(1).Lines[2] = {true, 0.0, 0.0, false, 3, 1, -1};
  const Scene overlapping = PresetScene(store, 1);
  EXPECT_EQ(RowsCrossingBasePaths(overlapping, 1), 5);

  store.Preset(1).Options.Junctions = JunctionMode::Clean;
  const Scene cleaned = PresetScene(store, 1);
  EXPECT_EQ(RowsCrossingBasePaths(cleaned, 1), 0);
  EXPECT_GT(CountOf<SegmentShape>(cleaned.commands), CountOf<SegmentShape>(overlapping.commands));
}

TEST(PresetScene, HugeSpacingsStillGiveFiniteShapes) {
  PresetStore store;
  store.Preset(1).Lines[0] = {true, 1e300, 1e300, false, 1, 1, -1};
  const Scene scene = PresetScene(store, 1);
  EXPECT_FALSE(scene.indicated.empty());
}

}  // namespace
}  // namespace tq58::preview
