// Geometry commands: number forms, degenerate shapes, non-finite numbers, text keywords.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "exchange/writer.h"

namespace tq58::exchange {
namespace {

using Lines = std::vector<std::string>;
constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::nan("");

TEST(WriterGeometry, SegmentsSkipOnlyThoseShorterThanTheToleranceInBothAxes) {
  WriterState writer;
  OutSegment(writer, 0, 5, 100, 5);
  OutSegment(writer, 1, 1, 1 + 0.5e-8, 1);
  OutSegment(writer, 0, 0, 1e-8, 0);
  OutSegment(writer, 0, 0, 0, -1e-8);
  OutSegment(writer, 0.1, -2.5, 1.0 / 3.0, 1e20);
  EXPECT_EQ(writer.OutputLines,
            (Lines{"0 5 100 5", "0 0 1E-8 0", "0 0 0 -1E-8", "0.1 -2.5 0.333333333333333 1E20"}));
}

TEST(WriterGeometry, ArcsNeedARadiusAndAFlatnessAboveTheTolerance) {
  WriterState writer;
  OutArc(writer, 10, 20, 5, 0, 90, 1, 0);
  OutArc(writer, 10, 20, 1e-8, 0, 90, 1, 0);
  OutArc(writer, 10, 20, -5, 0, 90, 1, 0);
  OutArc(writer, 10, 20, 5, 0, 90, 1e-8, 0);
  OutArc(writer, 10, 20, 5, 0, 90, -1, 0);
  OutArc(writer, 10, 20, 2e-8, 270, 45.5, 0.5, 30);
  EXPECT_EQ(writer.OutputLines, (Lines{"ci 10 20 5 0 90 1 0", "ci 10 20 5 0 90 -1 0",
                                       "ci 10 20 2E-8 270 45.5 0.5 30"}));
}

// Every position of a non-finite number, in each geometry command, suppresses the command.
TEST(WriterGeometry, CommandsWithANonFiniteNumberAreNotWritten) {
  for (const double bad : {kInf, -kInf, kNan}) {
    for (int slot = 0; slot < 7; ++slot) {
      double v[7] = {1, 2, 3, 4, 5, 1, 0};
      v[slot] = bad;
      WriterState writer;
      if (slot < 4) OutSegment(writer, v[0], v[1], v[2] + 10, v[3] + 10);
      OutArc(writer, v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
      if (slot < 4) OutText(writer, 0, "abc", v[0], v[1], v[2], v[3]);
      EXPECT_EQ(writer.OutputLines, Lines{}) << "slot " << slot << " value " << bad;
    }
  }
}

TEST(WriterGeometry, TextIsTwoLinesWithTheKeywordOfItsKind) {
  const char* keywords[] = {"ch", "cv", "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"};
  for (int kind = -1; kind <= 10; ++kind) {
    WriterState writer;
    OutText(writer, kind, " a b", 10, 20, 1, 0);
    const std::string keyword = kind >= 0 && kind <= 9 ? keywords[kind] : "ch";
    EXPECT_EQ(writer.OutputLines, (Lines{keyword + " 10 20 1 0 \"", " a b"})) << kind;
  }
}

TEST(WriterGeometry, TextNeedsADirectionAndAVisibleCharacter) {
  WriterState writer;
  OutText(writer, 0, "abc", 0, 0, 1e-8, -1e-8);
  OutText(writer, 0, " \t\x81\x40 ", 0, 0, 1, 0);  // blanks, a tab and a full-width space
  OutText(writer, 0, "", 0, 0, 1, 0);
  EXPECT_EQ(writer.OutputLines, Lines{});
  OutText(writer, 0, "abc", 0, 0, 0, 2e-8);
  EXPECT_EQ(writer.OutputLines.size(), 2u);
}

TEST(WriterGeometry, LongTextKeepsItsFirst255Bytes) {
  WriterState writer;
  const std::string text(300, 'x');
  OutText(writer, 0, text, 0, 0, 1, 0);
  ASSERT_EQ(writer.OutputLines.size(), 2u);
  EXPECT_EQ(writer.OutputLines[1], text.substr(0, 255));
}

}  // namespace
}  // namespace tq58::exchange
