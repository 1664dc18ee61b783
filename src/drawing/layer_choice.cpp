// The layer an entity is written to, from the layer its row or fill asks for and the states
// of the host's layers.
#include "drawing/layer_choice.h"

#include "util/host_limits.h"

namespace tq58 {

bool MovedToWriteLayer(const exchange::ExchangeModel& model, int32_t layer) {
  return util::IsLayerNumber(layer) &&
         exchange::LayerIsProtected(model, model.HostLayerGroup, layer);
}

int32_t WrittenLayer(const exchange::ExchangeModel& model, int32_t layer) {
  if (!util::IsLayerNumber(layer) || MovedToWriteLayer(model, layer)) return model.HostLayer;
  return layer;
}

}  // namespace tq58
