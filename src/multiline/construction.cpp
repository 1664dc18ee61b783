// The multi-line with rounded corners: one offset line per drawn row of the current preset,
// then the caps at the ends of an open path.
#include "multiline/construction.h"

#include <vector>

#include "exchange/writer.h"
#include "multiline/base_path.h"
#include "multiline/corner_radii.h"
#include "multiline/end_caps.h"
#include "multiline/offset_line.h"
#include "multiline/row_attributes.h"
#include "util/host_limits.h"

namespace tq58 {

namespace {

// The preset to draw; a number outside 1..20 falls back to preset 1, as when loading.
const TLineTable& CurrentLineTable(const PresetStore& store) {
  const int32_t number = store.CurrentPreset;
  return store.Preset(MyFunc::IsPresetNumber(number) ? number : 1);
}

}  // namespace

void DrawMultiLines(const PresetStore& store, const JwwGaibu::ExchangeModel& model,
                    JwwGaibu::WriterState& writer, int32_t pointLimit) {
  const BasePath path = TakeBasePath(model.HpPoints, pointLimit);
  const TLineTable& table = CurrentLineTable(store);
  const TPresetOptions& options = table.Options;
  const double scale = JwwGaibu::LayerGroupScaleOf(model, model.HostLayerGroup);
  const bool concentric = options.Corners == CornerMode::Concentric;
  const double baseRadius = InDrawingUnits(options.BaseRadius, options.BaseRadiusPaperSize, scale);
  const std::vector<MyFunc::Side> turns =
      concentric ? BaseTurns(path) : std::vector<MyFunc::Side>{};
  const std::vector<FilletReach> reaches = FilletReaches(path);
  OffsetLineLists lists(path.points.size());
  OutermostRows outermost;

  for (const TLineRow& row : table.Lines) {
    if (!row.DrawOn) continue;
    const double spacing = InDrawingUnits(row.Spacing, row.PaperSize, scale);
    OutRowAttributes(model, writer, row);
    outermost.Consider(row, spacing);
    if (path.points.size() < 2) continue;  // nothing to draw but the attributes

    const CornerRadii radii =
        concentric
            ? ConcentricCornerRadii(turns, baseRadius, spacing)
            : CornerRadii(path.points.size(), InDrawingUnits(row.Radius, row.PaperSize, scale));
    BuildOffsetVertices(path, spacing, lists);
    MarkRoundedCorners(path, radii, reaches, lists);
    DrawOffsetLine(writer, path, radii, lists);
  }
  DrawEndCaps(model, writer, path, options, outermost);
}

}  // namespace tq58
