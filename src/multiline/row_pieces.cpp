// Writing a multi-line: the attributes of each drawn line, then its segments and arcs.
#include "multiline/row_pieces.h"

#include "exchange/writer.h"
#include "multiline/row_attributes.h"
#include "util/overloaded.h"

namespace tq58 {

ArcPiece FilletArc(const MyFunc::Fillet& fillet, double r) {
  const PointD c = fillet.centre;
  double a = MyFunc::DirectionAngleDeg(fillet.tangent1.x - c.x, fillet.tangent1.y - c.y);
  double b = MyFunc::DirectionAngleDeg(fillet.tangent2.x - c.x, fillet.tangent2.y - c.y);
  double sweep = b - a;
  if (sweep < 0.0) sweep += 360.0;
  if (sweep >= 180.0) MyFunc::ExchangeReals(a, b);
  return {c, r, a, b};
}

namespace {

void WritePiece(JwwGaibu::WriterState& writer, const RowPiece& piece) {
  std::visit(MyFunc::Overloaded{[&](const SegmentD& s) {
                                  JwwGaibu::OutSegment(writer, s.start.x, s.start.y, s.end.x,
                                                       s.end.y);
                                },
                                // A circular arc: flatness 1, no tilt.
                                [&](const ArcPiece& a) {
                                  JwwGaibu::OutArc(writer, a.centre.x, a.centre.y, a.radius,
                                                   a.startDeg, a.endDeg, 1.0, 0.0);
                                },
                                [&](const CirclePiece& c) {
                                  JwwGaibu::OutCircle(writer, c.centre.x, c.centre.y, c.radius);
                                }},
             piece);
}

}  // namespace

bool WritesSomething(const RowPiece& piece) {
  JwwGaibu::WriterState probe;
  WritePiece(probe, piece);
  return !probe.OutputLines.empty();
}

void WriteMultiLine(const JwwGaibu::ExchangeModel& model, JwwGaibu::WriterState& writer,
                    const MultiLine& lines) {
  for (const DrawnLine& line : lines) {
    OutRowAttributes(model, writer, *line.row);
    for (const RowPiece& piece : line.pieces) WritePiece(writer, piece);
  }
}

}  // namespace tq58
