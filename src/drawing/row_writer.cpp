// Writing a multi-line to the host: the attributes of each drawn line, then its segments and
// arcs.
#include "drawing/row_writer.h"

#include "exchange/writer.h"
#include "util/overloaded.h"

namespace tq58 {

void OutRowAttributes(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                      const TLineRow& row) {
  // The rows hold indexes in the dialog's colour and line-type lists.
  exchange::OutLineColor(model, writer, row.ColorIndex, exchange::NumberKind::ListIndex);
  exchange::OutLineType(model, writer, row.LineTypeIndex, exchange::NumberKind::ListIndex);
  exchange::OutLineWidth(model, writer, row.LineWidth);
}

namespace {

void WritePiece(exchange::WriterState& writer, const RowPiece& piece) {
  std::visit(
      util::Overloaded{
          [&](const SegmentD& s) {
            exchange::OutSegment(writer, s.start.x, s.start.y, s.end.x, s.end.y);
          },
          // A circular arc: flatness 1, no tilt.
          [&](const HostArc& a) {
            exchange::OutArc(writer, a.centre.x, a.centre.y, a.radius, a.startDeg, a.endDeg, 1.0,
                             0.0);
          },
          [&](const CircleD& c) { exchange::OutCircle(writer, c.centre.x, c.centre.y, c.radius); }},
      piece);
}

}  // namespace

void WriteDrawnLine(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                    const DrawnLine& line) {
  OutRowAttributes(model, writer, *line.row);
  for (const RowPiece& piece : line.pieces) WritePiece(writer, piece);
}

void WriteMultiLine(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                    const MultiLine& lines) {
  for (const DrawnLine& line : lines) WriteDrawnLine(model, writer, line);
}

}  // namespace tq58
