// Start values, clearing and release of the exchange-file model, and the two helpers every
// entity record is made with.
#include "exchange/model.h"

namespace tq58::exchange {
namespace {

// Empties a list and gives its storage back (clear() alone keeps the capacity).
template <typename T>
void ReleaseList(std::vector<T>& list) {
  std::vector<T>().swap(list);
}

}  // namespace

ExchangeModel::ExchangeModel() { LayerGroupScale.fill(1.0); }

void ClearExchangeModel(ExchangeModel& model, WriterState& writer) {
  // Move-assigning a fresh model frees the old lists' storage along with every other value.
  model = ExchangeModel();
  ReleaseList(writer.OutputLines);
}

void FreeExchangeModel(ExchangeModel& model, WriterState& writer) {
  for (std::string& name : model.LayerGroupNames) std::string().swap(name);
  for (std::string& name : model.LayerNames) std::string().swap(name);
  ForEachEntityList(model, [](auto& list) { ReleaseList(list); });
  ReleaseList(model.EntityOrder);
  ReleaseList(writer.OutputLines);
}

void InitEntityHeader(const ExchangeModel& model, TEntityHeader& header) {
  const ReadingState& reading = model.Reading;
  header.Hhp = reading.PendingHhp;
  header.LayerGroup = reading.CurLayerGroup;
  header.Layer = reading.CurLayer;
  header.Color = reading.CurLineColor;
  header.LineType = reading.CurLineType;
  header.LineWidth = reading.CurLineWidth;
  header.ZFlags = reading.PendingZFlags;
  header.BlockMember = reading.OpenBlocks > 0;
}

void AddEntityOrder(ExchangeModel& model, int32_t kind, int32_t index) {
  model.EntityOrder.push_back({kind, index});
}

double LayerGroupScaleOf(const ExchangeModel& model, int32_t layerGroup) {
  if (layerGroup < 0 || layerGroup >= kLayerGroupCount) return 1.0;
  return model.LayerGroupScale[static_cast<std::size_t>(layerGroup)];
}

bool LayerIsProtected(const ExchangeModel& model, int32_t layerGroup, int32_t layer) {
  const auto within = [](int32_t number) { return number >= 0 && number < kLayersPerGroup; };
  if (!within(layerGroup) || !within(layer)) return false;
  const auto slot = static_cast<std::size_t>(layerGroup * kLayersPerGroup + layer);
  return model.LayerStates[slot] > kLastPlainLayerState;
}

}  // namespace tq58::exchange
