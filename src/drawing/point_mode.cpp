// The point mode: the multi-line along the points the user indicated, written to the host.
#include "drawing/point_mode.h"

#include "drawing/band_drawing.h"
#include "drawing/layer_notice.h"
#include "exchange/writer.h"
#include "path/base_path.h"

namespace tq58 {

void DrawMultiLines(const PresetStore& store, const exchange::ExchangeModel& model,
                    exchange::WriterState& writer, int32_t pointLimit) {
  const double scale = exchange::LayerGroupScaleOf(model, model.HostLayerGroup);
  const BasePath path = TakeBasePath(model.HpPoints, pointLimit);
  const TLineTable& table = CurrentLineTable(store);
  DrawAlongPaths(model, writer, {path}, table, scale, false);
  if (const std::string moved = ProtectedLayersNotice(model, table); !moved.empty()) {
    exchange::OutNotice(writer, "tq58\x81\x46" + moved);  // "tq58：" and the rows moved
  }
}

}  // namespace tq58
