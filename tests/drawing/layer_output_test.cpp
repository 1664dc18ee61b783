// Rows and fills on their layers, over every way three rows and a fill can ask for the host's
// write layer, a layer of their own, a hidden one or a protected one: the output read back by
// the program's own reader puts every entity (pieces, caps, junction corners, solids) on the
// layer its row or fill asked for, never has one layer line right after another, writes the
// solids first and ends on the host's layer, before the notice that names what was moved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/chain_mode.h"
#include "drawing/point_mode.h"
#include "exchange/reader.h"
#include "exchange/writer.h"

namespace tq58 {
namespace {

constexpr int32_t kHostLayer = 2;       // of layer group 1
constexpr int32_t kProtectedLayer = 5;  // its entities go to the host's layer
// The host writes to layer 2; layer 3 is hidden (drawn all the same), layer 5 protected.
const char* const kHostLines[] = {"lg1 3",   "ly2 3",    "ly3 0",     "ly5 4",     "ly2",
                                  "hp1 0 0", "hp2 40 0", "hp3 40 30", "hp4 70 30", "lc1",
                                  "lt1",     "0 0 60 0", "30 0 30 40"};  // a T for chain mode
constexpr int32_t kFillColor = 10;  // the colour number that solids are written in
// "行" and "塗り" as the notice names a row and the fill.
const std::string kRow = "\x8D\x73";
const std::string kFill = "\x93\x68\x82\xE8";

std::vector<std::string> Transform(const PresetStore& store, bool chains) {
  exchange::ExchangeModel model;
  for (const char* line : kHostLines) exchange::ParseExchangeLine(model, line);
  exchange::WriterState writer;
  exchange::ResetWriterState(writer);
  exchange::OutLayerGroup(writer, model.HostLayerGroup);  // as the run does before drawing
  if (chains) {
    DrawChainMultiLines(store, model, writer, false);
  } else {
    DrawMultiLines(store, model, writer, 98);
  }
  return writer.OutputLines;
}

int32_t WrittenTo(int32_t asked) {
  return asked == kCurrentLayer || asked == kProtectedLayer ? kHostLayer : asked;
}

void ExpectLayered(const std::vector<std::string>& out, const TLineTable& table, bool chains) {
  ASSERT_GE(out.size(), 3u);
  EXPECT_EQ(out[0], "lg1");
  std::size_t lastSolid = 0;
  std::size_t firstPiece = out.size();
  exchange::ExchangeModel back;
  for (std::size_t i = 0; i < out.size(); ++i) {
    EXPECT_FALSE(i > 0 && out[i].starts_with("ly") && out[i - 1].starts_with("ly")) << i;
    if (out[i].starts_with("s")) lastSolid = i;
    const bool piece = out[i].starts_with("ci ") || out[i].find_first_of("-0123456789") == 0;
    if (piece && firstPiece == out.size()) firstPiece = i;
    const bool first = back.EntityOrder.empty();
    exchange::ParseExchangeLine(back, out[i]);
    // The reader takes the opening layer as the host's: it is the first entity's.
    EXPECT_TRUE(!first || back.EntityOrder.empty() || back.Reading.CurLayer == back.HostLayer);
  }
  EXPECT_LT(lastSolid, firstPiece);

  std::vector<int32_t> layerOfColor(16, -9);
  for (int r = 0; r < 3; ++r) layerOfColor[r + 2] = WrittenTo(table.Lines[r].Layer);
  layerOfColor[kFillColor] = WrittenTo(table.Options.FillLayer);
  exchange::ForEachEntityList(back, [&](const auto& list) {
    for (const auto& entity : list) {
      EXPECT_EQ(entity.Header.Layer, layerOfColor.at(static_cast<std::size_t>(entity.Header.Color)))
          << "an entity of colour " << entity.Header.Color;
    }
  });
  EXPECT_GT(back.LineList.size() + back.ArcList.size(), 6u);
  EXPECT_EQ(back.Reading.CurLayer, kHostLayer) << "the output ends on another layer";

  std::string moved;
  for (int r = 0; r < 3; ++r) {
    if (table.Lines[r].Layer != kProtectedLayer) continue;
    moved += (moved.empty() ? "" : "\x81\x41") + kRow + std::to_string(r + 1);
  }
  if (table.Options.FillLayer == kProtectedLayer)
    moved += (moved.empty() ? "" : "\x81\x41") + kFill;
  const bool notice = out.back().starts_with("h#");
  EXPECT_EQ(notice, chains || !moved.empty());
  EXPECT_EQ(out.back().find(moved + "\x82\xCD\x81\x41") != std::string::npos, !moved.empty())
      << out.back();
}

TEST(LayerOutput, EveryEntityLiesOnItsLayerAndTheOutputEndsOnTheHostsLayer) {
  PresetStore store;
  TLineTable& table = store.Preset(1);
  // Rows of colours 2, 3 and 4 (a colour tells the row), dashed and solid in turn.
  for (int r = 0; r < 3; ++r)
    table.Lines[r] = {true, 3.0 * (r - 1), 2, false, r + 2, 2 - r % 2, -1};
  table.Options = {CornerMode::PerRow,  0,    false, CapStyle::Arc, CapStyle::ConcentricArc,
                   JunctionMode::Clean, true, 255};
  const int32_t layers[] = {kCurrentLayer, 0, 3, kProtectedLayer};
  for (const bool chains : {false, true}) {
    for (const int32_t fill : layers) {
      for (const int32_t a : layers) {
        for (const int32_t b : layers) {
          for (const int32_t c : layers) {
            table.Lines[0].Layer = a;
            table.Lines[1].Layer = b;
            table.Lines[2].Layer = c;
            table.Options.FillLayer = fill;
            SCOPED_TRACE(::testing::Message() << (chains ? "chains" : "points") << ", rows " << a
                                              << " " << b << " " << c << ", fill " << fill);
            ExpectLayered(Transform(store, chains), table, chains);
            if (HasFatalFailure()) return;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace tq58
