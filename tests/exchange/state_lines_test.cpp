// The reader's lines that are not entities: header values, layers, attributes, markers and
// indicated points, and the order in which their rules are tried.
#include <gtest/gtest.h>

#include <string>

#include "reader_test_support.h"

namespace {

using namespace tq58::exchange;
using reader_test::Parsed;

TEST(StateLines, BlankLinesChangeNothing) {
  EXPECT_EQ(Parsed({"", "   ", "\t", std::string_view("\0\x1F", 2)}), ExchangeModel());
}

TEST(StateLines, FileNameKeepsItsBlanks) {
  EXPECT_EQ(Parsed({"file=C:\\My Drawings\\a b.jww"}).FileName, "C:\\My Drawings\\a b.jww");
}

TEST(StateLines, HeaderValues) {
  const ExchangeModel model =
      Parsed({"hk 3.5", "hzs 420 297", "hn 1 2 3 4", "hcw 1 2 3 4 5 6 7 8 9 10",
              "hch 2 2 2 2 2 2 2 2 2 2", "hcd 0 0 0 0 0 0 0 0 0 0.5", "hcc 1 2 3 4 5 6 7 8 9 $A"});
  EXPECT_EQ(model.HkValue, 3.5);
  EXPECT_EQ(model.SheetWidth, 420.0);
  EXPECT_EQ(model.SheetHeight, 297.0);
  EXPECT_EQ(model.HnValues, (std::array<double, 4>{1, 2, 3, 4}));
  EXPECT_EQ(model.TextStyles[0], (TTextStyle{1, 2, 0, 1}));
  EXPECT_EQ(model.TextStyles[9], (TTextStyle{10, 2, 0.5, 10}));
}

TEST(StateLines, LayerGroupScalesNeedSixteenNumbers) {
  const std::string sixteen = "hs 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16";
  const ExchangeModel model = Parsed({sixteen + " 17"});
  EXPECT_EQ(model.LayerGroupScale[0], 1.0);
  EXPECT_EQ(model.LayerGroupScale[15], 16.0);
  EXPECT_EQ(Parsed({"hs 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15"}), ExchangeModel());
  EXPECT_EQ(Parsed({"hcw 1 2 3 4 5 6 7 8 9"}), ExchangeModel());
  // Too few numbers for its own rule: with four fields the line is a segment.
  const ExchangeModel segment = Parsed({"hs 2 3 4"});
  ASSERT_EQ(segment.LineList.size(), 1u);
  EXPECT_EQ(segment.LineList[0].X1, 0.0);
  EXPECT_EQ(segment.LineList[0].Y2, 4.0);
}

TEST(StateLines, FirstAttributeLinesAreTheHostsOthersOnlyCurrent) {
  const ExchangeModel model =
      Parsed({"lg2", "ly3", "lc4", "lt5", "lw6", "cn7", "lgF", "lyf", "lc8", "lt9", "lw1", "cn2"});
  EXPECT_EQ(model.HostLayerGroup, 2);
  EXPECT_EQ(model.HostLayer, 3);
  EXPECT_EQ(model.HostLineColor, 4);
  EXPECT_EQ(model.HostLineType, 5);
  EXPECT_EQ(model.HostLineWidth, 6);
  EXPECT_EQ(model.HostTextStyle, 7);
  EXPECT_EQ(model.Reading.CurLayerGroup, 15);
  EXPECT_EQ(model.Reading.CurLayer, 15);
  EXPECT_EQ(model.Reading.CurLineColor, 8);
  EXPECT_EQ(model.Reading.CurLineType, 9);
  EXPECT_EQ(model.Reading.CurLineWidth, 1);
  EXPECT_EQ(model.Reading.CurTextStyle, 2);
  EXPECT_TRUE(model.LineWidthSeen);
  EXPECT_FALSE(Parsed({"lc1"}).LineWidthSeen);
}

TEST(StateLines, LayerDigitIsOneHexCharacter) {
  EXPECT_EQ(Parsed({"lga"}).Reading.CurLayerGroup, 10);
  EXPECT_EQ(Parsed({"lgG"}).Reading.CurLayerGroup, 0);
  EXPECT_EQ(Parsed({"lg5", "lg"}).Reading.CurLayerGroup, 0);
  EXPECT_EQ(Parsed({"lg12"}).Reading.CurLayerGroup, 1);
}

TEST(StateLines, LayerStatesAndNamesFollowTheSelectedLayer) {
  const ExchangeModel model =
      Parsed({"lgn first", "lg2 7", "lgnSecond", "ly3 9", "lynWall", "lyn\x95\xC7 x"});
  EXPECT_EQ(model.LayerGroupNames[0], "");  // "lgn first" has the name in another field
  EXPECT_EQ(model.LayerGroupNames[2], "Second");
  EXPECT_EQ(model.LayerGroupStates[2], 7);
  EXPECT_EQ(model.LayerStates[2 * 16 + 3], 9);
  EXPECT_EQ(model.LayerNames[2 * 16 + 3], "\x95\xC7");
}

TEST(StateLines, ColourTenCarriesTheSolidColour) {
  EXPECT_EQ(Parsed({"lc10 5"}).Reading.CurSolidColor, 5);
  EXPECT_EQ(Parsed({"lc10"}).Reading.CurSolidColor, 0);
  EXPECT_EQ(Parsed({"lc9 5"}).Reading.CurSolidColor, 0);
  EXPECT_EQ(Parsed({"lcx"}).Reading.CurLineColor, 0);
  EXPECT_EQ(Parsed({"lc99999999999"}).Reading.CurLineColor, 0);
}

TEST(StateLines, TextStyleAndFont) {
  const ExchangeModel model = Parsed({"cn$Gothic", "cn$", "cn$Mincho", "cn0 4 5 0.5 3", "cn3"});
  EXPECT_EQ(model.HostFontName, "Gothic");
  EXPECT_EQ(model.Reading.CurFontName, "Mincho");
  EXPECT_EQ(model.HostTextStyle, 0);
  EXPECT_EQ(model.HostTextWidth, 4.0);
  EXPECT_EQ(model.HostTextHeight, 5.0);
  EXPECT_EQ(model.HostCharSpacing, 0.5);
  EXPECT_EQ(model.HostFreeTextColor, 3);
  EXPECT_EQ(model.Reading.CurTextStyle, 3);
  EXPECT_EQ(model.Reading.CurTextWidth, 4.0);
  // A free size without its four numbers keeps the sizes.
  EXPECT_EQ(Parsed({"cn0 4 5"}).HostTextWidth, 2.0);
  // An empty name does not count as the host's.
  EXPECT_EQ(Parsed({"cn$", "cn$B"}).HostFontName, "B");
}

TEST(StateLines, TextColourIsOneDigitUpToEight) {
  EXPECT_EQ(Parsed({"cc5"}).Reading.CurTextColor, 5);
  EXPECT_EQ(Parsed({"cc57"}).Reading.CurTextColor, 5);
  EXPECT_EQ(Parsed({"cc5", "cc9"}).Reading.CurTextColor, 0);
  EXPECT_EQ(Parsed({"cc5", "cc"}).Reading.CurTextColor, 0);
}

TEST(StateLines, ZFlagsAndPointColour) {
  EXPECT_EQ(Parsed({"z1", "z3", "z3"}).Reading.PendingZFlags, 5);
  EXPECT_EQ(Parsed({"z5"}).Reading.PendingZFlags, 16);
  EXPECT_EQ(Parsed({"z6", "z", "z11"}).Reading.PendingZFlags, 0);
  EXPECT_EQ(Parsed({"pn6"}).Reading.CurPointColor, 6);
}

struct FlagCase {
  const char* line;
  bool inPolyline;
  bool msgPending;
};

class PolylineAndMsgFlags : public testing::TestWithParam<FlagCase> {};

// From InPolyline and MsgPending both set, each line leaves them as its rule says.
TEST_P(PolylineAndMsgFlags, FollowTheLine) {
  ExchangeModel model;
  model.Reading.InPolyline = model.Reading.MsgPending = true;
  ParseExchangeLine(model, GetParam().line);
  EXPECT_EQ(model.Reading.InPolyline, GetParam().inPolyline);
  EXPECT_EQ(model.Reading.MsgPending, GetParam().msgPending);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PolylineAndMsgFlags,
    testing::Values(
        FlagCase{"lg1", false, true}, FlagCase{"ly1", false, true}, FlagCase{"lc1", false, true},
        FlagCase{"lt1", false, true}, FlagCase{"lw1", false, true}, FlagCase{"cn$f", false, true},
        FlagCase{"cn1", false, true}, FlagCase{"cc1", false, true}, FlagCase{"pn1", false, true},
        FlagCase{"pl", true, false}, FlagCase{"msg", false, true}, FlagCase{"#", false, false},
        FlagCase{"#comment", true, true}, FlagCase{"# note", false, false},
        FlagCase{"ci 0 0 1", false, false}, FlagCase{"1 2 3 4", true, true},
        FlagCase{"hp1 0 0", true, true}, FlagCase{"hhp3", true, true}, FlagCase{"lgn", true, true},
        FlagCase{"z1", true, true}, FlagCase{"bz", true, true}, FlagCase{"hk 1", true, true}));

struct HpCase {
  const char* keyword;
  int index;  // 0: nothing stored
  int32_t kind;
};

class IndicatedPoint : public testing::TestWithParam<HpCase> {};

TEST_P(IndicatedPoint, StoresIndexAndKind) {
  const ExchangeModel model = Parsed({std::string(GetParam().keyword) + " 1.5 -2"});
  if (GetParam().index == 0) {
    EXPECT_EQ(model, ExchangeModel());
    return;
  }
  const THpPoint& point = model.HpPoints[static_cast<std::size_t>(GetParam().index)];
  EXPECT_EQ(point, (THpPoint{true, 1.5, -2.0, GetParam().kind}));
  EXPECT_EQ(model.HpPointCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Keywords, IndicatedPoint,
                         testing::Values(HpCase{"hp1", 1, HpPlain}, HpCase{"hp99", 99, HpPlain},
                                         HpCase{"hp0", 0, 0}, HpCase{"hp100", 0, 0},
                                         HpCase{"hp-1", 0, 0}, HpCase{"hp", 0, 0},
                                         HpCase{"hp5-", 5, HpDash}, HpCase{"hp7ln", 7, HpLn},
                                         HpCase{"hp8ci", 8, HpCi}, HpCase{"hp12ch", 12, HpCh},
                                         HpCase{"hp3-ch", 0, 0}, HpCase{"hpx", 0, 0},
                                         HpCase{"hp4294967297", 0, 0}));

TEST(StateLines, IndicatedPointNeedsTwoNumbersAndRepeatsReplace) {
  EXPECT_EQ(Parsed({"hp1 5"}), ExchangeModel());
  const ExchangeModel model = Parsed({"hp2 1 1", "hp2 3 4 extra"});
  EXPECT_EQ(model.HpPoints[2], (THpPoint{true, 3.0, 4.0, HpPlain}));
  EXPECT_EQ(model.HpPointCount, 2);
}

TEST(StateLines, HhpNumberStopsAtItsSuffix) {
  EXPECT_EQ(Parsed({"hhp12"}).Reading.PendingHhp, 12);
  EXPECT_EQ(Parsed({"hhp12ln"}).Reading.PendingHhp, 12);
  EXPECT_EQ(Parsed({"hhp7ci"}).Reading.PendingHhp, 7);
  EXPECT_EQ(Parsed({"hhp34ch"}).Reading.PendingHhp, 34);
  EXPECT_EQ(Parsed({"hhp5", "hhpln"}).Reading.PendingHhp, 0);
  EXPECT_EQ(Parsed({"hhp5", "hhp"}).Reading.PendingHhp, 0);
}

}  // namespace
