// Writing a multi-line to the host: the attributes of each drawn line, then its segments and
// arcs.
#include "multiline/row_writer.h"

#include "exchange/writer.h"
#include "util/overloaded.h"

namespace tq58 {

void OutRowAttributes(const JwwGaibu::ExchangeModel& model, JwwGaibu::WriterState& writer,
                      const TLineRow& row) {
  // The rows hold indexes in the dialog's colour and line-type lists.
  JwwGaibu::OutLineColor(model, writer, row.ColorIndex, JwwGaibu::NumberKind::ListIndex);
  JwwGaibu::OutLineType(model, writer, row.LineTypeIndex, JwwGaibu::NumberKind::ListIndex);
  JwwGaibu::OutLineWidth(model, writer, row.LineWidth);
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

void WriteMultiLine(const JwwGaibu::ExchangeModel& model, JwwGaibu::WriterState& writer,
                    const MultiLine& lines) {
  for (const DrawnLine& line : lines) {
    OutRowAttributes(model, writer, *line.row);
    for (const RowPiece& piece : line.pieces) WritePiece(writer, piece);
  }
}

}  // namespace tq58
