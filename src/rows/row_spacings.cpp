#include "rows/row_spacings.h"

namespace tq58 {

RowSpacings SpacingsOf(const TLineTable& table, double scale) {
  RowSpacings rows;
  for (const TLineRow& row : table.Lines) {
    if (!row.DrawOn) continue;
    const std::size_t l = rows.spacing.size();
    rows.spacing.push_back(InDrawingUnits(row.Spacing, row.PaperSize, scale));
    if (rows.spacing[l] < rows.spacing[rows.smallest]) rows.smallest = l;
    if (rows.spacing[l] > rows.spacing[rows.largest]) rows.largest = l;
  }
  for (const double s : rows.spacing) rows.outer.push_back(s == rows.Lo() || s == rows.Hi());
  return rows;
}

}  // namespace tq58
