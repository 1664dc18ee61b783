// The point mode: the multi-line along the points the user indicated, written to the host.
#include "multiline/point_mode.h"

#include "multiline/base_path.h"
#include "multiline/construction.h"
#include "multiline/row_writer.h"

namespace tq58 {

void DrawMultiLines(const PresetStore& store, const JwwGaibu::ExchangeModel& model,
                    JwwGaibu::WriterState& writer, int32_t pointLimit) {
  const double scale = JwwGaibu::LayerGroupScaleOf(model, model.HostLayerGroup);
  const BasePath path = TakeBasePath(model.HpPoints, pointLimit);
  WriteMultiLine(model, writer, BuildMultiLine(path, CurrentLineTable(store), scale));
}

}  // namespace tq58
