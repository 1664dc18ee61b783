// The reader's entity lines: which line makes which record, with which attributes, and how
// polylines, "msg" pairs and pending values carry from line to line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader_test_support.h"

namespace {

using namespace tq58::exchange;
using reader_test::Parsed;
using Order = std::vector<TEntityOrderItem>;

struct KindCase {
  const char* line;
  int32_t kind;  // 0: no record
};

class EntityKindOfLine : public testing::TestWithParam<KindCase> {};

TEST_P(EntityKindOfLine, MakesOneRecordOfItsKind) {
  const ExchangeModel model = Parsed({GetParam().line});
  if (GetParam().kind == 0) {
    EXPECT_EQ(model, ExchangeModel());
  } else {
    EXPECT_EQ(model.EntityOrder, (Order{{GetParam().kind, 0}}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EntityKindOfLine,
    testing::Values(KindCase{"ci 1 2 3", KindCircle}, KindCase{"ci 1 2 3 4", 0},
                    KindCase{"ci 1 2 3 4 5 6", 0}, KindCase{"ci 1 2 3 4 5 6 7", KindArc},
                    KindCase{"ci 1", 0}, KindCase{"pt 1 2", KindPoint},
                    KindCase{"pt 1 2 3", KindLine}, KindCase{"pt 1 2 3 4", 0},
                    KindCase{"pt 1 2 3 4 5", KindParamPoint}, KindCase{"ch 1 2 3 4 t", KindText},
                    KindCase{"ch 1 2 3", KindLine}, KindCase{"ch 1 2 3 4", 0},
                    KindCase{"BL 1 2 name", KindBlock}, KindCase{"BL 1 2", 0},
                    KindCase{"sl 1 2 3 4", KindSolid2}, KindCase{"sl 1 2 3 4 5", 0},
                    KindCase{"sl 1 2 3 4 5 6", KindSolid3}, KindCase{"sl 1 2 3 4 5 6 7", 0},
                    KindCase{"sl 1 2 3 4 5 6 7 8", KindSolid4},
                    KindCase{"sc 1 2 3 4 5 6 7 8", KindSc}, KindCase{"se 1 2 3 4 5 6 7 8", KindSe},
                    KindCase{"so 1 2 3 4 5 6 7 8", KindSo}, KindCase{"sg 1 2 3 4 5 6 7 8", KindSg},
                    KindCase{"sg 1 2 3 4 5 6 7", 0}, KindCase{"1 2 3 4", KindLine},
                    KindCase{"1 2 3 4 ", 0}, KindCase{"x y z w", KindLine},
                    KindCase{"CI 1 2 3 4 5 6 7", 0}));

TEST(EntityLines, FieldsOfEachRecord) {
  const ExchangeModel model =
      Parsed({"ci 1 2 3 4 5 6 7", "pt 1 2 3 4 $F", "BL 1 2 \x83\x75\x83\x8D x", "#",
              "sc 1 2 3 4 5 6 7 8", "so 1 2 3 4 5 6 7 8 9", "x 2 3 4"});
  EXPECT_EQ(model.ArcList[0], (TJwwEntArc{{0, 0, 0, 1, 1, 0, 0}, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(model.ParamPointList[0], (TJwwEntParamPoint{{0, 0, 0, 1, 1, 0, 0}, 1, 2, 3, 4, 15}));
  EXPECT_EQ(model.BlockList[0].Name, "\x83\x75\x83\x8D");
  EXPECT_EQ(model.ScList[0], (TJwwEntSolidArc{{0, 0, 0, 1, 1, 0, 0}, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(model.SoList[0].V, (std::array<double, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(model.LineList[0], (TJwwEntLine{{0, 0, 0, 1, 1, 0, 0}, 0, 0, 2, 3, 4}));
}

TEST(EntityLines, RecordsCarryTheCurrentAttributes) {
  const ExchangeModel model =
      Parsed({"lg2", "ly3", "lc10 6", "lt4", "lw5", "pn7", "1 2 3 4", "pt 1 2", "sl 0 0 1 1"});
  EXPECT_EQ(model.LineList[0].Header, (TEntityHeader{0, 2, 3, 10, 4, 5, 0}));
  EXPECT_EQ(model.PointList[0].Header.Color, 7);
  EXPECT_EQ(model.Solid2List[0].SolidColor, 6);
}

TEST(EntityLines, OrderIndexesCountWithinEachKind) {
  const ExchangeModel model = Parsed({"1 1 1 1", "ci 0 0 1", "2 2 2 2", "pt 0 0", "ci 0 0 2"});
  EXPECT_EQ(
      model.EntityOrder,
      (Order{{KindLine, 0}, {KindCircle, 0}, {KindLine, 1}, {KindPoint, 0}, {KindCircle, 1}}));
  EXPECT_EQ(model.CircleList[1].Radius, 2.0);
}

TEST(EntityLines, ManyRecordsKeepTheirOrder) {
  ExchangeModel model;
  for (int i = 0; i < 2500; ++i) ParseExchangeLine(model, std::to_string(i) + " 0 0 0");
  ASSERT_EQ(model.LineList.size(), 2500u);
  ASSERT_EQ(model.EntityOrder.size(), 2500u);
  EXPECT_EQ(model.LineList[1000].X1, 1000.0);
  EXPECT_EQ(model.EntityOrder[2499], (TEntityOrderItem{KindLine, 2499}));
}

TEST(EntityLines, PendingZFlagsAndHhpGoToTheNextEntityOnly) {
  const ExchangeModel model =
      Parsed({"z1", "z3", "hhp4", "ci 0 0 1", "ci 0 0 2", "z2", "hhp9", "1 2 3 4", "5 6 7 8"});
  EXPECT_EQ(model.CircleList[0].Header.ZFlags, 5);
  EXPECT_EQ(model.CircleList[0].Header.Hhp, 4);
  EXPECT_EQ(model.CircleList[1].Header.ZFlags, 0);
  EXPECT_EQ(model.CircleList[1].Header.Hhp, 0);
  EXPECT_EQ(model.LineList[0].Header.ZFlags, 2);
  EXPECT_EQ(model.LineList[0].Header.Hhp, 9);
  EXPECT_EQ(model.LineList[1].Header, TEntityHeader({0, 0, 0, 1, 1, 0, 0}));
}

TEST(EntityLines, SegmentsAfterPlShareItsNumberUntilAnotherEntity) {
  const ExchangeModel model = Parsed({"0 0 1 1", "pl", "1 1 2 2", "2 2 3 3", "hp1 0 0", "3 3 4 4",
                                      "ci 0 0 1", "4 4 5 5", "pl", "5 5 6 6", "lc2", "6 6 7 7"});
  std::vector<int32_t> numbers;
  for (const TJwwEntLine& line : model.LineList) numbers.push_back(line.Polyline);
  EXPECT_EQ(numbers, (std::vector<int32_t>{0, 1, 1, 1, 0, 2, 0}));
}

TEST(EntityLines, TextsTakeKindStyleFontAndWholeQuotedText) {
  const ExchangeModel model =
      Parsed({"hcw 1 2 3 4 5 6 7 8 9 10", "hcc 1 2 3 4 5 6 7 8 9 10", "cn3", "cc4", "cn$Mincho",
              "cz 1 2 1 0 \"a  \"b\"", "ch 1 2 1 0 one two"});
  const TJwwEntText& text = model.TextList[0];
  EXPECT_EQ(text.TextKind, 8);
  EXPECT_EQ(text.TextColor, 4);
  EXPECT_EQ(text.TextStyle, 3);
  EXPECT_EQ(text.Width, 3.0);
  EXPECT_EQ(text.Height, 3.0);
  EXPECT_EQ(text.Header.Color, 3);
  EXPECT_EQ(text.FontName, "Mincho");
  EXPECT_EQ(text.Text, "a  \"b\"");
  EXPECT_EQ((std::array{text.X, text.Y, text.DirX, text.DirY}), (std::array{1.0, 2.0, 1.0, 0.0}));
  EXPECT_EQ(model.TextList[1].Text, "one");

  int32_t kind = 0;
  for (const char* keyword : {"ch", "cv", "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"}) {
    const ExchangeModel one = Parsed({std::string(keyword) + " 0 0 1 0 t"});
    ASSERT_EQ(one.TextList.size(), 1u) << keyword;
    EXPECT_EQ(one.TextList[0].TextKind, kind++) << keyword;
  }
}

TEST(EntityLines, TextsOutsideTheStyleTableTakeTheFreeSize) {
  for (const char* style : {"cn0 4 5 0.5 6", "cn11", "cn-1"}) {
    const ExchangeModel model = Parsed({"cn0 4 5 0.5 6", style, "ch 0 0 1 0 t"});
    const TJwwEntText& text = model.TextList[0];
    EXPECT_EQ((std::array{text.Width, text.Height, text.CharSpacing}), (std::array{4.0, 5.0, 0.5}));
    EXPECT_EQ(text.Header.Color, 6) << style;
  }
}

TEST(EntityLines, LongTextsAndFontNamesAreCutBeforeAHalfCharacter) {
  std::string japanese = "x";
  for (int i = 0; i < 200; ++i) japanese += "\x82\xA0";  // 401 bytes
  const ExchangeModel model = Parsed({"cn$" + japanese, "ch 0 0 1 0 \"" + japanese});
  EXPECT_EQ(model.TextList[0].Text, japanese.substr(0, 255));
  EXPECT_EQ(model.TextList[0].FontName, japanese.substr(0, 255));
  EXPECT_EQ(model.Reading.CurFontName, japanese);  // only the record is cut
  const ExchangeModel even = Parsed({"ch 0 0 1 0 \"" + japanese.substr(1)});
  EXPECT_EQ(even.TextList[0].Text, japanese.substr(1, 254));
}

TEST(EntityLines, MsgHoldsTheSegmentForTheNextCsText) {
  const ExchangeModel model =
      Parsed({"msg", "lc5", "z2", "1 2 3 4", "5 6 7 8", "cs 0 0 1 0 note", "9 9 9 9"});
  ASSERT_EQ(model.MsgTextList.size(), 1u);
  const TJwwEntMsgText& pair = model.MsgTextList[0];
  EXPECT_EQ(pair.Segment, (TJwwEntLine{{0, 0, 0, 5, 1, 0, 0}, 0, 5, 6, 7, 8}));
  EXPECT_EQ(pair.Text.TextKind, 2);
  EXPECT_EQ(pair.Text.Text, "note");
  EXPECT_EQ(pair.Text.Header.Color, 2);  // text style 1's colour
  EXPECT_EQ(pair.Header.Color, 5);
  EXPECT_EQ(model.EntityOrder, (Order{{KindMsgText, 0}, {KindLine, 0}}));
  EXPECT_EQ(model.LineList[0].X1, 9.0);  // "msg" is over
  EXPECT_TRUE(model.TextList.empty());
}

TEST(EntityLines, MsgWithoutSegmentUsesTheStartSegment) {
  const ExchangeModel model = Parsed({"msg", "cs 0 0 1 0 t"});
  EXPECT_EQ(model.MsgTextList[0].Segment, ExchangeModel().Reading.MsgSegment);
}

TEST(EntityLines, OtherTextsEndMsgWithoutStoringTheSegment) {
  const ExchangeModel model = Parsed({"msg", "1 2 3 4", "ch 0 0 1 0 t", "cs 0 0 1 0 u"});
  EXPECT_EQ(model.EntityOrder, (Order{{KindText, 0}, {KindText, 1}}));
  EXPECT_TRUE(model.LineList.empty());
  EXPECT_EQ(model.Reading.MsgSegment.X1, 1.0);
}

struct SolidCase {
  const char* name;
  const char* line;
  int32_t kind;
  std::vector<double> points;  // x, y of each stored corner
};

class SolidCorners : public testing::TestWithParam<SolidCase> {};

std::vector<double> CornersOf(const ExchangeModel& model) {
  if (!model.Solid2List.empty()) {
    const auto& s = model.Solid2List[0];
    return {s.X1, s.Y1, s.X2, s.Y2};
  }
  if (!model.Solid3List.empty()) {
    const auto& s = model.Solid3List[0];
    return {s.X1, s.Y1, s.X2, s.Y2, s.X3, s.Y3};
  }
  const auto& s = model.Solid4List.at(0);
  return {s.X1, s.Y1, s.X2, s.Y2, s.X3, s.Y3, s.X4, s.Y4};
}

TEST_P(SolidCorners, CollapseRepeatedCorners) {
  const ExchangeModel model = Parsed({GetParam().line});
  EXPECT_EQ(model.EntityOrder, (Order{{GetParam().kind, 0}}));
  EXPECT_EQ(CornersOf(model), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SolidCorners,
    testing::Values(
        SolidCase{"Three", "sl 0 0 1 0 1 1", KindSolid3, {0, 0, 1, 0, 1, 1}},
        SolidCase{"ThreeFirstTwoSame", "sl 0 0 0 0 1 1", KindSolid2, {0, 0, 1, 1}},
        SolidCase{"ThreeLastTwoSame", "sl 0 0 1 1 1 1", KindSolid2, {0, 0, 1, 1}},
        SolidCase{"ThreeFirstAndLastSame", "sl 0 0 1 1 0 0", KindSolid3, {0, 0, 1, 1, 0, 0}},
        SolidCase{"FourAllSame", "sl 1 1 1 1 1 1 1 1", KindSolid2, {1, 1, 1, 1}},
        SolidCase{"FourFirstThreeSame", "sl 0 0 0 0 0 0 2 2", KindSolid2, {0, 0, 2, 2}},
        SolidCase{"FourLastThreeSame", "sl 0 0 2 2 2 2 2 2", KindSolid2, {0, 0, 2, 2}},
        SolidCase{"FourTwoPairs", "sl 0 0 0 0 2 2 2 2", KindSolid2, {0, 0, 2, 2}},
        SolidCase{"FourLastRepeatsFirst", "sl 0 0 1 0 1 1 0 0", KindSolid3, {0, 0, 1, 0, 1, 1}},
        SolidCase{"FourThirdRepeatsFirst", "sl 0 0 1 0 0 0 1 1", KindSolid3, {0, 0, 1, 0, 1, 1}},
        SolidCase{"FourThirdRepeatsSecond", "sl 0 0 1 0 1 0 1 1", KindSolid3, {0, 0, 1, 0, 1, 1}},
        SolidCase{"FourSecondRepeatsFirst", "sl 0 0 0 0 1 0 1 1", KindSolid3, {0, 0, 1, 0, 1, 1}},
        SolidCase{"FourWithinTolerance", "sl 0 0 1e-11 0 1 0 1 1", KindSolid3, {0, 0, 1, 0, 1, 1}},
        SolidCase{"FourBeyondTolerance",
                  "sl 0 0 1e-9 0 1 0 1 1 9",
                  KindSolid4,
                  {0, 0, 1e-9, 0, 1, 0, 1, 1}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
