// Chaining selected lines end to end, as a table: each selection (exchange-file lines) with
// the chains it gives, as their vertices in chain order, and what was left out.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "exchange/model.h"
#include "exchange/reader.h"
#include "multiline/chaining.h"
#include "multiline/selected_pieces.h"

namespace tq58 {
namespace {

struct ChainingCase {
  const char* name;
  std::vector<std::string> lines;  // the selection as the host writes it
  std::string chains;              // "x,y x,y ..." per chain, "|" between, "closed" after a closed one
  LeftOutCounts leftOut;
};

std::string Describe(const Chaining& chaining, const std::vector<ChainPiece>& pieces) {
  std::ostringstream out;
  out.precision(10);
  for (std::size_t c = 0; c < chaining.chains.size(); ++c) {
    if (c > 0) out << " | ";
    const BasePath path = ChainPath(chaining.chains[c], pieces);
    for (std::size_t i = 0; i < path.points.size(); ++i) {
      out << (i > 0 ? " " : "") << path.points[i].x << "," << path.points[i].y;
    }
    if (path.closed) out << " closed";
  }
  return out.str();
}

class Chainings : public ::testing::TestWithParam<ChainingCase> {};

TEST_P(Chainings, FollowTheJoinedEnds) {
  JwwGaibu::ExchangeModel model;
  for (const std::string& line : GetParam().lines) JwwGaibu::ParseExchangeLine(model, line);
  SelectedPieces selection = TakeSelectedPieces(model);
  const Chaining chaining = ChainPieces(selection, {});
  selection.leftOut[static_cast<std::size_t>(LeftOut::ZeroLength)] = chaining.zeroLength;
  selection.leftOut[static_cast<std::size_t>(LeftOut::Duplicate)] = chaining.duplicates;
  EXPECT_EQ(Describe(chaining, selection.pieces), GetParam().chains);
  EXPECT_EQ(selection.leftOut, GetParam().leftOut);
}

// ε is 1e-6 for these coordinates: 0.9e-6 joins, 1.1e-6 does not.
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
                     {"0 0 10 0", "10.0000009 0 20 0"}, "0,0 10,0 20,0", {}},
        ChainingCase{"AGapBeyondItIsNeverBridged",
                     {"0 0 10 0", "10.0000011 0 20 0"}, "0,0 10,0 | 10.0000011,0 20,0", {}},
        ChainingCase{"DuplicatesEitherWayCountOnce",
                     {"0 0 10 0", "10 0 0 0", "0 0 10 0", "10 0 10 10"},
                     "0,0 10,0 10,10",
                     {0, 0, 0, 0, 2}},
        ChainingCase{"AClosedChainRunsCounterclockwiseFromItsFirstPiece",
                     {"10 10 10 0", "0 0 10 0", "0 10 10 10", "0 10 0 0"},
                     "10,0 10,10 0,10 0,0 10,0 closed",
                     {}},
        ChainingCase{"BlockMembersZeroLengthAndOtherKindsAreLeftOut",
                     {"0 0 10 0", "BL 0 0 \"door", "10 0 20 0", "#", "5 5 5 5", "ci 0 0 5",
                      "10 0 10 10", "1e10 0 0 0"},
                     "0,0 10,0 10,10",
                     {2, 1, 1, 1, 0}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tq58
