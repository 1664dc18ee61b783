// Rows and fills on their layers, over every way three rows and a fill can ask for the host's
// write layer, a layer of their own, a hidden one or a protected one: the output read back by
// the program's own reader puts every entity (pieces, caps, junction corners, solids) on the
// layer its row or fill asked for, never has one layer line right after another, writes the
// solids first and ends on the host's layer, before the notice that names what was moved.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "drawing/chain_mode.h"
#include "drawing/point_mode.h"
#include "exchange/reader.h"
#include "exchange/writer.h"

namespace tq58 {
namespace {

constexpr int32_t kHostLayer = 2;       // of layer group 1
constexpr int32_t kHiddenLayer = 3;     // drawn all the same
constexpr int32_t kProtectedLayer = 5;  // its entities go to the host's layer
constexpr int32_t kFillColor = 10;      // the solid colour's number in the host's lines
// "lg1 3" ... the host's file: layer 2 is written to, 3 hidden, 5 protected.
const char* const kHostLines[] = {"lg1 3", "ly2 3", "ly3 0", "ly5 4", "ly2"};
// Row 1 is red and dashed, row 2 green, row 3 blue and dashed: a colour tells the row.
constexpr int32_t kRowColors[] = {2, 3, 4};

std::vector<std::string> Transform(const PresetStore& store, bool chains) {
  exchange::ExchangeModel model;
  for (const char* line : kHostLines) exchange::ParseExchangeLine(model, line);
  for (const char* line : {"hp1 0 0", "hp2 40 0", "hp3 40 30", "hp4 70 30"}) {
    exchange::ParseExchangeLine(model, line);
  }
  // A T: the second street ends on the middle of the first.
  if (chains) {
    for (const char* line : {"0 0 60 0", "30 0 30 40"}) exchange::ParseExchangeLine(model, line);
  }
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

bool IsSolid(const std::string& line) {
  return line.starts_with("sl ") || line.starts_with("sc ") || line.starts_with("so ");
}
// A segment (four numbers) or an arc of a row.
bool IsPiece(const std::string& line) {
  return line.starts_with("ci ") ||
         (!line.empty() && (line[0] == '-' || std::isdigit(static_cast<unsigned char>(line[0]))));
}

void ExpectLayered(const std::vector<std::string>& out, const TLineTable& table, bool chains) {
  ASSERT_GE(out.size(), 3u);
  EXPECT_EQ(out[0], "lg1");
  std::size_t lastSolid = 0;
  std::size_t firstPiece = out.size();
  for (std::size_t i = 1; i < out.size(); ++i) {
    EXPECT_FALSE(out[i].starts_with("ly") && out[i - 1].starts_with("ly")) << "line " << i;
    if (IsSolid(out[i])) lastSolid = i;
    if (IsPiece(out[i]) && firstPiece == out.size()) firstPiece = i;
  }
  if (table.Options.Fill) {
    EXPECT_LT(lastSolid, firstPiece);
  }

  std::vector<int32_t> layerOfColor(16, -9);
  for (int r = 0; r < 3; ++r) layerOfColor[kRowColors[r]] = WrittenTo(table.Lines[r].Layer);
  layerOfColor[kFillColor] = WrittenTo(table.Options.FillLayer);
  exchange::ExchangeModel back;
  std::size_t entities = 0;
  for (const std::string& line : out) {
    exchange::ParseExchangeLine(back, line);
    if (entities == 0) {
      exchange::ForEachEntityList(back, [&](const auto& list) { entities += list.size(); });
      // The opening layer line is the first entity's layer.
      if (entities > 0) {
        EXPECT_EQ(out[1], "ly" + std::to_string(back.Reading.CurLayer));
      }
    }
  }
  exchange::ForEachEntityList(back, [&](const auto& list) {
    for (const auto& entity : list) {
      EXPECT_EQ(entity.Header.LayerGroup, 1);
      EXPECT_EQ(entity.Header.Layer, layerOfColor.at(static_cast<std::size_t>(entity.Header.Color)))
          << "an entity of colour " << entity.Header.Color;
    }
  });
  EXPECT_GT(back.LineList.size() + back.ArcList.size(), 6u);
  EXPECT_EQ(back.Reading.CurLayer, kHostLayer) << "the output ends on another layer";

  // The notice, last, names the rows and the fill that asked for the protected layer.
  std::string moved;
  for (int r = 0; r < 3; ++r) {
    if (table.Lines[r].Layer == kProtectedLayer) {
      moved += (moved.empty() ? "" : "\x81\x41") + std::string("\x8D\x73") + std::to_string(r + 1);
    }
  }
  if (table.Options.FillLayer == kProtectedLayer) {
    moved += (moved.empty() ? "" : "\x81\x41") + std::string("\x93\x68\x82\xE8");
  }
  const bool notice = out.back().starts_with("h#");
  EXPECT_EQ(notice, chains || !moved.empty());
  if (moved.empty()) {
    EXPECT_EQ(out.back().find("\x83\x76\x83\x8D\x83\x65\x83\x4E\x83\x67"), std::string::npos);
  } else {
    EXPECT_NE(out.back().find(moved + "\x82\xCD\x81\x41"), std::string::npos) << out.back();
  }
}

TEST(LayerOutput, EveryEntityLiesOnItsLayerAndTheOutputEndsOnTheHostsLayer) {
  const int32_t layers[] = {kCurrentLayer, 0, kHiddenLayer, kProtectedLayer};
  PresetStore store;
  TLineTable& table = store.Preset(1);
  for (int r = 0; r < 3; ++r) {
    table.Lines[r] = {true, 3.0 * (r - 1), 2, false, kRowColors[r], r % 2 == 0 ? 2 : 1, -1};
  }
  table.Options.Fill = true;
  table.Options.FillColor = 255;
  table.Options.StartCap = CapStyle::Arc;
  table.Options.EndCap = CapStyle::ConcentricArc;
  table.Options.Junctions = JunctionMode::Clean;
  for (const bool chains : {false, true}) {
    for (const int32_t fill : layers) {
      for (const int32_t a : layers) {
        for (const int32_t b : layers) {
          for (const int32_t c : layers) {
            table.Lines[0].Layer = a;
            table.Lines[1].Layer = b;
            table.Lines[2].Layer = c;
            table.Options.FillLayer = fill;
            SCOPED_TRACE((chains ? "chains, rows " : "points, rows ") + std::to_string(a) + " " +
                         std::to_string(b) + " " + std::to_string(c) + ", fill " +
                         std::to_string(fill));
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
