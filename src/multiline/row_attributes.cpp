// The attributes with which a preset row is drawn.
#include "multiline/row_attributes.h"

#include "exchange/writer.h"

namespace tq58 {

void OutRowAttributes(const JwwGaibu::ExchangeModel& model, JwwGaibu::WriterState& writer,
                      const TLineRow& row) {
  // The rows hold indexes in the dialog's colour and line-type lists.
  JwwGaibu::OutLineColor(model, writer, row.ColorIndex, JwwGaibu::NumberKind::ListIndex);
  JwwGaibu::OutLineType(model, writer, row.LineTypeIndex, JwwGaibu::NumberKind::ListIndex);
  JwwGaibu::OutLineWidth(model, writer, row.LineWidth);
}

}  // namespace tq58
