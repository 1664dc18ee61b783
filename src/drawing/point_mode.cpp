// The point mode: the multi-line along the points the user indicated, written to the host.
#include "drawing/point_mode.h"

#include "drawing/band_drawing.h"
#include "path/base_path.h"

namespace tq58 {

void DrawMultiLines(const PresetStore& store, const exchange::ExchangeModel& model,
                    exchange::WriterState& writer, int32_t pointLimit) {
  const double scale = exchange::LayerGroupScaleOf(model, model.HostLayerGroup);
  const BasePath path = TakeBasePath(model.HpPoints, pointLimit);
  DrawAlongPaths(model, writer, {path}, CurrentLineTable(store), scale, false);
}

}  // namespace tq58
