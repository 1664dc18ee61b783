// Start values of the exchange-file model, clearing, release, and the record helpers.
#include "exchange/model.h"

#include <gtest/gtest.h>

#include "exchange/reader.h"

namespace {

using namespace tq58::exchange;

TEST(ExchangeModel, StartsWithTheDocumentedValues) {
  const ExchangeModel model;
  for (double scale : model.LayerGroupScale) EXPECT_EQ(scale, 1.0);
  for (const TTextStyle& style : model.TextStyles) EXPECT_EQ(style, (TTextStyle{3.0, 3.0, 0.0, 2}));
  for (const THpPoint& point : model.HpPoints) EXPECT_FALSE(point.Defined);
  EXPECT_EQ(model.HostLineColor, 1);
  EXPECT_EQ(model.HostLineType, 1);
  EXPECT_EQ(model.Reading.CurFontName, kDefaultFontName);
  EXPECT_EQ(model.Reading.MsgSegment, (TJwwEntLine{{0, 0, 0, 1, 1, 0, 0}, 0, 0.0, 0.0, 1.0, 0.0}));
  EXPECT_TRUE(model.HostLayerGroupPending && model.HostTextStylePending);
}

// A model with something in every part that reading can change.
ExchangeModel FilledModel() {
  ExchangeModel model;
  for (const char* line : {"file=x",   "hs 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2",
                           "lg3 1",    "ly4 1",
                           "lgn name", "lc10 5",
                           "lw2",      "cn0 1 1 1 1",
                           "cn$font",  "cc3",
                           "pn4",      "hp1 5 5",
                           "z2",       "hhp7",
                           "pl",       "1 2 3 4",
                           "ci 0 0 1", "ch 1 1 1 0 text",
                           "msg",      "5 6 7 8"}) {
    ParseExchangeLine(model, line);
  }
  return model;
}

TEST(ClearExchangeModel, ReturnsEverythingToItsStartValueAndEmptiesTheOutput) {
  ExchangeModel model = FilledModel();
  ASSERT_NE(model, ExchangeModel());
  WriterState writer;
  writer.OutputLines = {"lg3", "ly4"};
  ClearExchangeModel(model, writer);
  EXPECT_EQ(model, ExchangeModel());
  EXPECT_TRUE(writer.OutputLines.empty());
}

TEST(FreeExchangeModel, ReleasesTheListsAndTheOutput) {
  ExchangeModel model = FilledModel();
  WriterState writer;
  writer.OutputLines = {"hq"};
  FreeExchangeModel(model, writer);
  EXPECT_EQ(model.LineList.capacity(), 0u);
  EXPECT_EQ(model.CircleList.capacity(), 0u);
  EXPECT_EQ(model.TextList.capacity(), 0u);
  EXPECT_EQ(model.EntityOrder.capacity(), 0u);
  EXPECT_TRUE(model.LayerGroupNames[3].empty());
  EXPECT_EQ(writer.OutputLines.capacity(), 0u);
}

TEST(InitEntityHeader, TakesTheCurrentStateAndThePendingValues) {
  ExchangeModel model;
  model.Reading.PendingHhp = 7;
  model.Reading.CurLayerGroup = 2;
  model.Reading.CurLayer = 3;
  model.Reading.CurLineColor = 4;
  model.Reading.CurLineType = 5;
  model.Reading.CurLineWidth = 6;
  model.Reading.PendingZFlags = 9;
  TEntityHeader header;
  InitEntityHeader(model, header);
  EXPECT_EQ(header, (TEntityHeader{7, 2, 3, 4, 5, 6, 9}));
}

}  // namespace
