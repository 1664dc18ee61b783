// The point mode: the multi-line along the points the user indicated, written to the host.
#include "drawing/point_mode.h"

#include "drawing/row_writer.h"
#include "path/base_path.h"
#include "rows/construction.h"

namespace tq58 {

void DrawMultiLines(const PresetStore& store, const exchange::ExchangeModel& model,
                    exchange::WriterState& writer, int32_t pointLimit) {
  const double scale = exchange::LayerGroupScaleOf(model, model.HostLayerGroup);
  const BasePath path = TakeBasePath(model.HpPoints, pointLimit);
  WriteMultiLine(model, writer, BuildMultiLine(path, CurrentLineTable(store), scale));
}

}  // namespace tq58
