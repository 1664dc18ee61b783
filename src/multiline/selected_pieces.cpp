// Sorting the selected entities into the pieces a chain may follow and those it leaves out.
#include "multiline/selected_pieces.h"

#include <algorithm>
#include <cmath>

namespace tq58 {
namespace {

// Within the drawing's range: finite and no larger than kLargestChainCoordinate.
bool UsableCoordinate(double v) { return std::fabs(v) <= kLargestChainCoordinate; }

void Count(SelectedPieces& selection, LeftOut reason) {
  ++selection.leftOut[static_cast<std::size_t>(reason)];
}

void TakeLine(const JwwGaibu::TJwwEntLine& line, SelectedPieces& selection) {
  if (line.Header.BlockMember) return Count(selection, LeftOut::InBlock);
  const double values[] = {line.X1, line.Y1, line.X2, line.Y2};
  if (!std::all_of(std::begin(values), std::end(values), UsableCoordinate)) {
    return Count(selection, LeftOut::BadValue);
  }
  for (const double v : values) {
    selection.largestCoordinate = std::max(selection.largestCoordinate, std::fabs(v));
  }
  selection.pieces.push_back({{line.X1, line.Y1}, {line.X2, line.Y2}, std::nullopt});
}

}  // namespace

SelectedPieces TakeSelectedPieces(const JwwGaibu::ExchangeModel& model) {
  SelectedPieces selection;
  selection.pieces.reserve(model.LineList.size());
  for (const JwwGaibu::TEntityOrderItem& item : model.EntityOrder) {
    ++selection.selected;
    if (item.Kind == JwwGaibu::KindLine) {
      TakeLine(model.LineList[static_cast<std::size_t>(item.Index)], selection);
    } else {
      Count(selection, LeftOut::OtherKind);
    }
  }
  return selection;
}

}  // namespace tq58
