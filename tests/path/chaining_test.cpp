// Chaining selected lines and arcs end to end, as a table: each selection (exchange-file lines)
// with the chains it gives, as their vertices in chain order with the arc between two of them,
// and what was left out.
#include "path/chaining.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/model.h"
#include "exchange/reader.h"
#include "path/selected_pieces.h"

namespace tq58 {
namespace {

struct ChainingCase {
  const char* name;
  std::vector<std::string> lines;  // the selection as the host writes it
  std::string chains;  // "x,y x,y ..." per chain, "|" between, "closed" after a closed one
  LeftOutCounts leftOut;
  ChainDirection direction = {};
};

std::string Describe(const Chaining& chaining, const std::vector<ChainPiece>& pieces) {
  std::ostringstream out;
  out.precision(10);
  for (std::size_t c = 0; c < chaining.chains.size(); ++c) {
    if (c > 0) out << " | ";
    const BasePath path = ChainPath(chaining.chains[c], pieces);
    for (std::size_t i = 0; i < path.points.size(); ++i) {
      // Where the path holds arcs, before each vertex but the first: "-" after a segment, or
      // "a" (counterclockwise) or "c" (clockwise) and the arc's angles as read.
      if (i > 0 && i <= path.arcs.size()) {
        const std::optional<Curve>& arc = path.arcs[i - 1];
        if (arc) {
          out << " " << (RunsClockwise(*arc) ? "c" : "a") << arc->degrees->start << ":"
              << arc->degrees->end;
        }
        if (!arc) out << " -";
      }
      out << (i > 0 ? " " : "") << path.points[i].x << "," << path.points[i].y;
    }
    if (!path.arcs.empty() && path.arcs.size() + 1 != path.points.size()) out << " (arcs?)";
    if (path.closed) out << " closed";
  }
  return out.str();
}

class Chainings : public ::testing::TestWithParam<ChainingCase> {};

TEST_P(Chainings, FollowTheJoinedEnds) {
  exchange::ExchangeModel model;
  for (const std::string& line : GetParam().lines) exchange::ParseExchangeLine(model, line);
  SelectedPieces selection = TakeSelectedPieces(model);
  const Chaining chaining = ChainPieces(selection, GetParam().direction);
  selection.leftOut[static_cast<std::size_t>(LeftOut::ZeroLength)] = chaining.zeroLength;
  selection.leftOut[static_cast<std::size_t>(LeftOut::Duplicate)] = chaining.duplicates;
  EXPECT_EQ(Describe(chaining, selection.pieces), GetParam().chains);
  EXPECT_EQ(selection.leftOut, GetParam().leftOut);
}

// ε is 1e-6 for these coordinates: 0.9e-6 joins, 1.1e-6 does not. The arcs of radius 10 about
// (100, 100) reach 110,100 at 0 degrees, 100,110 at 90, 90,100 at 180.
INSTANTIATE_TEST_SUITE_P(
    Selections, Chainings,
    ::testing::Values(
        ChainingCase{"TheFirstPieceInTheFileGivesTheDirection",
                     {"20 0 10 0", "0 0 10 0", "20 0 20 10"},
                     "20,10 20,0 10,0 0,0",
                     {}},
        ChainingCase{"ABranchEndsThreeChains",
                     {"0 0 10 0", "10 0 20 0", "10 0 10 10"},
                     "0,0 10,0 | 10,0 20,0 | 10,0 10,10",
                     {}},
        ChainingCase{"AGapWithinTheToleranceJoinsAtTheEarlierPiecesEnd",
                     {"0 0 10 0", "10.0000009 0 20 0"},
                     "0,0 10,0 20,0",
                     {}},
        ChainingCase{"AGapBeyondItIsNeverBridged",
                     {"0 0 10 0", "10.0000011 0 20 0"},
                     "0,0 10,0 | 10.0000011,0 20,0",
                     {}},
        ChainingCase{"DuplicatesEitherWayCountOnce",
                     {"0 0 10 0", "10 0 0 0", "0 0 10 0", "10 0 10 10"},
                     "0,0 10,0 10,10",
                     {0, 0, 0, 0, 0, 2}},
        ChainingCase{"AClosedChainRunsCounterclockwiseFromItsFirstPiece",
                     {"10 10 10 0", "0 0 10 0", "0 10 10 10", "0 10 0 0"},
                     "10,0 10,10 0,10 0,0 10,0 closed",
                     {}},
        ChainingCase{"BlockMembersZeroLengthEllipsesAndOtherKindsAreLeftOut",
                     {"0 0 10 0", "BL 0 0 \"door", "10 0 20 0", "ci 20 0 5 0 90 1 0", "#",
                      "5 5 5 5", "ci 5 5 5 30 30 1 0", "pt 0 0", "ci 0 0 5 0 90 0.5 0",
                      "10 0 10 10", "1e10 0 0 0", "ci 0 0 0 0 90 1 0", "ci 0 0 -1",
                      "ci 999999999.5 0 1 0 90 1 0", "ci 0 0 5 1e308 90 1 0"},
                     "0,0 10,0 10,10",
                     {2, 1, 2, 5, 2, 0}},
        // 90 to 180 degrees turned by 180: from 10,0 to 20,10.
        ChainingCase{"ATiltedArcJoinsASegment",
                     {"0 0 10 0", "ci 10 10 10 90 180 1 180"},
                     "0,0 - 10,0 a270:360 20,10",
                     {}},
        ChainingCase{"AnArcFirstInTheFileRunsCounterclockwise",
                     {"ci 100 100 10 0 90 1 0", "80 110 100 110"},
                     "110,100 a0:90 100,110 - 80,110",
                     {}},
        ChainingCase{"RunBackwardsFromTheFirstPointAnArcRunsClockwise",
                     {"ci 100 100 10 0 90 1 0", "80 110 100 110"},
                     "80,110 - 100,110 c0:90 110,100",
                     {},
                     {PointD{80, 110}, false}},
        // The circle's point at 0 degrees lies between two ends 1.6e-6 apart, but joins neither.
        ChainingCase{"ACircleIsAClosedChainByItselfCounterclockwise",
                     {"ci 100 100 10", "90 100 109.9999992 100", "110.0000008 100 130 100"},
                     "110,100 a0:360 110,100 closed | 90,100 109.9999992,100 | "
                     "110.0000008,100 130,100",
                     {}},
        ChainingCase{"TurnedRoundACircleRunsClockwise",
                     {"ci 100 100 10"},
                     "110,100 c0:360 110,100 closed",
                     {},
                     {std::nullopt, true}},
        ChainingCase{"TwoHalvesOfACircleAreNoDuplicates",
                     {"ci 100 100 10 0 180 1 0", "ci 100 100 10 180 360 1 0"},
                     "110,100 a0:180 90,100 a180:360 110,100 closed",
                     {}},
        ChainingCase{"TheSameArcTwiceCountsOnceButItsChordCloses",
                     {"ci 100 100 10 0 90 1 0", "ci 100 100 10 360 450 1 0", "110 100 100 110"},
                     "110,100 a0:90 100,110 - 110,100 closed",
                     {0, 0, 0, 0, 0, 1}},
        // The inner arc (about 100,90) first: its chord polygon has no area, the arcs turn the
        // chain counterclockwise, starting where the inner arc does in that direction.
        ChainingCase{"ACrescentRunsCounterclockwiseByTheAreaBesideItsArcs",
                     {"ci 100 90 14.142135623730951 45 135 1 0", "ci 100 100 10 0 180 1 0"},
                     "90,100 c45:135 110,100 a0:180 90,100 closed",
                     {}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tq58
