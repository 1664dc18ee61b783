// The multi-line with rounded corners as geometry: one offset row per drawn row of a preset,
// then the caps at the ends of an open path.
#include "rows/construction.h"

#include <optional>
#include <vector>

#include "rows/corner_radii.h"
#include "rows/end_caps.h"
#include "rows/offset_row.h"
#include "rows/row_spacings.h"

namespace tq58 {

MultiLine BuildMultiLine(const BasePath& path, const TLineTable& table, double scale,
                         std::vector<std::optional<RowEnds>>* rowEnds) {
  return BuildMultiLine(path, table, scale, {table.Options.StartCap, table.Options.EndCap},
                        rowEnds);
}

MultiLine BuildMultiLine(const BasePath& path, const TLineTable& table, double scale,
                         const EndCaps& caps, std::vector<std::optional<RowEnds>>* rowEnds) {
  const TPresetOptions& options = table.Options;
  const bool concentric = options.Corners == CornerMode::Concentric;
  const double baseRadius = InDrawingUnits(options.BaseRadius, options.BaseRadiusPaperSize, scale);
  const std::vector<geometry::Side> turns =
      concentric ? BaseTurns(path) : std::vector<geometry::Side>{};
  const std::vector<FilletReach> reaches = FilletReaches(path);
  const RowSpacings spacings = SpacingsOf(table, scale);
  std::vector<CapRow> capRows;
  MultiLine lines;

  for (const TLineRow& row : table.Lines) {
    if (!row.DrawOn) continue;
    const double spacing = spacings.spacing[lines.size()];
    DrawnLine& line = lines.emplace_back(DrawnLine{&row, {}});
    if (path.points.size() < 2) {
      capRows.push_back({&row, spacing, std::nullopt});
      if (rowEnds != nullptr) rowEnds->push_back(std::nullopt);
      continue;  // nothing to draw but the attributes
    }

    const CornerRadii radii =
        concentric
            ? ConcentricCornerRadii(turns, baseRadius, spacing)
            : CornerRadii(path.points.size(), InDrawingUnits(row.Radius, row.PaperSize, scale));
    const std::optional<RowEnds> ends = AppendOffsetRow(path, spacing, radii, reaches, line.pieces);
    capRows.push_back({&row, spacing, ends});
    if (rowEnds != nullptr) rowEnds->push_back(ends);
  }
  for (DrawnLine& line : BuildEndCaps(path, caps, capRows)) lines.push_back(std::move(line));
  return lines;
}

}  // namespace tq58
