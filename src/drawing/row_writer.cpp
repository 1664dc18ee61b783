// Writing a multi-line to the host: the attributes of each drawn line, then its segments and
// arcs.
#include "drawing/row_writer.h"

#include "exchange/writer.h"

namespace tq58 {

void OutRowAttributes(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                      const TLineRow& row) {
  // The rows hold indexes in the dialog's colour and line-type lists.
  exchange::OutLineColor(model, writer, row.ColorIndex, exchange::NumberKind::ListIndex);
  exchange::OutLineType(model, writer, row.LineTypeIndex, exchange::NumberKind::ListIndex);
  exchange::OutLineWidth(model, writer, row.LineWidth);
}

namespace {

// What the host is given of a piece (WritesSomething): a row's arc with its degrees (a circular
// arc: flatness 1, no tilt), and a whole circle as a circle.
void WritePiece(exchange::WriterState& writer, const RowPiece& piece) {
  if (!WritesSomething(piece)) return;
  if (!piece.arc) {
    exchange::OutSegment(writer, piece.start.x, piece.start.y, piece.end.x, piece.end.y);
  } else if (piece.degrees) {
    exchange::OutArc(writer, piece.centre.x, piece.centre.y, piece.radius, piece.degrees->start,
                     piece.degrees->end, 1.0, 0.0);
  } else {
    exchange::OutCircle(writer, piece.centre.x, piece.centre.y, piece.radius);
  }
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
