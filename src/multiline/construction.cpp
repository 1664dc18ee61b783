// The multi-line with rounded corners: one offset line per drawn row of the current preset.
#include "multiline/construction.h"

#include "exchange/writer.h"
#include "multiline/base_path.h"
#include "multiline/offset_line.h"
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
  OffsetLineLists lists(path.points.size());

  for (const TLineRow& row : CurrentLineTable(store).Lines) {
    if (!row.DrawOn) continue;
    double spacing = row.Spacing;
    double radius = row.Radius;
    if (row.PaperSize) {
      // Paper millimetres become drawing units at the scale of the host's layer group.
      const double scale = JwwGaibu::LayerGroupScaleOf(model, model.HostLayerGroup);
      spacing *= scale;
      radius *= scale;
    }
    // The rows hold indexes in the dialog's colour and line-type lists.
    JwwGaibu::OutLineColor(model, writer, row.ColorIndex, JwwGaibu::NumberKind::ListIndex);
    JwwGaibu::OutLineType(model, writer, row.LineTypeIndex, JwwGaibu::NumberKind::ListIndex);
    JwwGaibu::OutLineWidth(model, writer, row.LineWidth);
    if (path.points.size() < 2) continue;  // nothing to draw but the attributes

    BuildOffsetVertices(path, spacing, lists);
    MarkRoundedCorners(path, radius, lists);
    DrawOffsetLine(writer, path, radius, lists);
  }
}

}  // namespace tq58
