// Sorting the selected entities into the pieces a chain may follow and those it leaves out.
#include "path/selected_pieces.h"

#include <algorithm>
#include <cmath>

#include "geometry/tolerances.h"

namespace tq58 {
namespace {

// Within the drawing's range: finite and no larger than kLargestChainCoordinate.
bool UsableCoordinate(double v) { return std::fabs(v) <= geometry::kLargestChainCoordinate; }

bool FinitePoint(PointD p) { return std::isfinite(p.x) && std::isfinite(p.y); }

void Count(SelectedPieces& selection, LeftOut reason) {
  ++selection.leftOut[static_cast<std::size_t>(reason)];
}

void TakeLine(const exchange::TJwwEntLine& line, SelectedPieces& selection) {
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

// A circle of a radius above 0 whose every point lies within the drawing's range (false for
// a value that is not finite).
bool UsableCircle(double x, double y, double radius) {
  return radius > 0.0 && UsableCoordinate(std::fabs(x) + radius) &&
         UsableCoordinate(std::fabs(y) + radius);
}

// The piece along `arc`, from its point at its start angle to that at its end angle.
void TakeArcPiece(const Curve& arc, SelectedPieces& selection) {
  const PointD start = geometry::PointAtAngle(arc.centre, arc.radius, arc.degrees->start);
  const PointD end = geometry::PointAtAngle(arc.centre, arc.radius, arc.degrees->end);
  // An angle beyond about 5.7e307 degrees has no finite measure in radians.
  if (!FinitePoint(start) || !FinitePoint(end)) return Count(selection, LeftOut::BadValue);
  selection.largestCoordinate =
      std::max(selection.largestCoordinate,
               std::max(std::fabs(arc.centre.x), std::fabs(arc.centre.y)) + arc.radius);
  selection.pieces.push_back({start, end, arc});
}

void TakeCircle(const exchange::TJwwEntCircle& circle, SelectedPieces& selection) {
  if (circle.Header.BlockMember) return Count(selection, LeftOut::InBlock);
  if (!UsableCircle(circle.X, circle.Y, circle.Radius)) return Count(selection, LeftOut::BadValue);
  TakeArcPiece(Curve::FromHost({circle.X, circle.Y}, circle.Radius, 0.0, 360.0), selection);
}

// An arc record is circular only with a flatness of exactly 1; its tilt then only turns it.
void TakeArc(const exchange::TJwwEntArc& record, SelectedPieces& selection) {
  if (record.Header.BlockMember) return Count(selection, LeftOut::InBlock);
  const double startDeg = record.StartAngle + record.Tilt;
  const double endDeg = record.EndAngle + record.Tilt;
  if (!UsableCircle(record.X, record.Y, record.Radius) || !std::isfinite(record.Flatness) ||
      !std::isfinite(startDeg) || !std::isfinite(endDeg)) {
    return Count(selection, LeftOut::BadValue);
  }
  if (record.Flatness != 1.0) return Count(selection, LeftOut::Ellipse);
  TakeArcPiece(Curve::FromHost({record.X, record.Y}, record.Radius, startDeg, endDeg), selection);
}

}  // namespace

SelectedPieces TakeSelectedPieces(const exchange::ExchangeModel& model) {
  SelectedPieces selection;
  selection.pieces.reserve(model.LineList.size() + model.ArcList.size() + model.CircleList.size());
  for (const exchange::TEntityOrderItem& item : model.EntityOrder) {
    ++selection.selected;
    const auto index = static_cast<std::size_t>(item.Index);
    if (item.Kind == exchange::KindLine) {
      TakeLine(model.LineList[index], selection);
    } else if (item.Kind == exchange::KindArc) {
      TakeArc(model.ArcList[index], selection);
    } else if (item.Kind == exchange::KindCircle) {
      TakeCircle(model.CircleList[index], selection);
    } else {
      Count(selection, LeftOut::OtherKind);
    }
  }
  return selection;
}

}  // namespace tq58
