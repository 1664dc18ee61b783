// What a filling preset writes: the fill colour and every solid before any row, each row's own
// colour written again after them, and without the fill the very lines it wrote before.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/point_mode.h"
#include "exchange/reader.h"
#include "exchange/writer.h"

namespace tq58 {
namespace {

std::vector<std::string> Draw(const PresetStore& store) {
  exchange::ExchangeModel model;
  for (const char* line : {"hp1 0 0", "hp2 100 0", "hp3 100 80"}) {
    exchange::ParseExchangeLine(model, line);
  }
  exchange::WriterState writer;
  exchange::ResetWriterState(writer);
  DrawMultiLines(store, model, writer, 98);
  return writer.OutputLines;
}

TEST(FillOutput, SolidsComeFirstInTheFillColourAndTheRowsFollowInTheirOwn) {
  PresetStore store;
  TLineTable& table = store.Preset(1);
  table.Lines[0] = {true, 5, 8, false, 1, 0, -1};
  table.Lines[1] = {true, -5, 3, false, 1, 0, -1};
  table.Options.StartCap = CapStyle::Arc;
  const std::vector<std::string> plain = Draw(store);
  table.Options.Fill = true;
  table.Options.FillColor = 255;
  const std::vector<std::string> filled = Draw(store);

  ASSERT_GT(filled.size(), 1u);
  EXPECT_EQ(filled[0], "ly0");  // the host's layer, the solids' and every row's
  EXPECT_EQ(filled[1], "lc10 255");
  std::size_t solids = 2;
  while (solids < filled.size() &&
         (filled[solids].starts_with("sl ") || filled[solids].starts_with("sc "))) {
    ++solids;
  }
  EXPECT_GT(solids, 3u);  // a quadrilateral or more, the round corner's and the cap's arcs
  // Past the solids, the lines are those drawn without the fill, "lc1" written again.
  EXPECT_EQ(std::vector<std::string>(filled.begin() + static_cast<long>(solids), filled.end()),
            std::vector<std::string>(plain.begin() + 1, plain.end()));
  EXPECT_EQ(plain[1], "lc1");
}

}  // namespace
}  // namespace tq58
