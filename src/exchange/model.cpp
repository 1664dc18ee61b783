// Start values, clearing and release of the exchange-file model, and the two helpers every
// entity record is made with.
#include "exchange/model.h"

namespace JwwGaibu {
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
  ReleaseList(model.LineList);
  ReleaseList(model.CircleList);
  ReleaseList(model.ArcList);
  ReleaseList(model.TextList);
  ReleaseList(model.PointList);
  ReleaseList(model.ParamPointList);
  ReleaseList(model.MsgTextList);
  ReleaseList(model.BlockList);
  ReleaseList(model.Solid2List);
  ReleaseList(model.Solid3List);
  ReleaseList(model.Solid4List);
  ReleaseList(model.ScList);
  ReleaseList(model.SeList);
  ReleaseList(model.SoList);
  ReleaseList(model.SgList);
  ReleaseList(model.EntityOrder);
  ReleaseList(writer.OutputLines);
}

void InitEntityHeader(const ExchangeModel& model, TEntityHeader& header) {
  header.Hhp = model.PendingHhp;
  header.LayerGroup = model.CurLayerGroup;
  header.Layer = model.CurLayer;
  header.Color = model.CurLineColor;
  header.LineType = model.CurLineType;
  header.LineWidth = model.CurLineWidth;
  header.ZFlags = model.PendingZFlags;
}

void AddEntityOrder(ExchangeModel& model, int32_t kind, int32_t index) {
  model.EntityOrder.push_back({kind, index});
}

double LayerGroupScaleOf(const ExchangeModel& model, int32_t layerGroup) {
  if (layerGroup < 0 || layerGroup >= kLayerGroupCount) return 1.0;
  return model.LayerGroupScale[static_cast<std::size_t>(layerGroup)];
}

}  // namespace JwwGaibu
