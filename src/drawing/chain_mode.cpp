// Chain mode: the selection's pieces chained, each chain drawn as the point mode draws a
// polyline (or the chains drawn together as one network with its junctions cleaned), and what
// happened told to the host's user.
#include "drawing/chain_mode.h"

#include "drawing/band_drawing.h"
#include "drawing/chain_notice.h"
#include "drawing/layer_notice.h"
#include "exchange/writer.h"
#include "path/chaining.h"
#include "path/selected_pieces.h"

namespace tq58 {

void DrawChainMultiLines(const PresetStore& store, const exchange::ExchangeModel& model,
                         exchange::WriterState& writer, bool reverse) {
  SelectedPieces selection = TakeSelectedPieces(model);
  ChainDirection direction;
  direction.reverse = reverse;
  if (const exchange::THpPoint& hp = model.HpPoints[1]; hp.Defined) {
    direction.firstPoint = PointD{hp.X, hp.Y};
  }
  const Chaining chaining = ChainPieces(selection, direction);
  selection.leftOut[static_cast<std::size_t>(LeftOut::ZeroLength)] = chaining.zeroLength;
  selection.leftOut[static_cast<std::size_t>(LeftOut::Duplicate)] = chaining.duplicates;
  if (chaining.chains.empty()) {
    // Nothing is drawn: the host's layer stays in effect.
    exchange::OutLayer(writer, model.HostLayer);
    exchange::OutErrorMessage(writer, NoChainMessage(selection.selected, selection.leftOut));
    return;
  }

  const TLineTable& table = CurrentLineTable(store);
  const double scale = exchange::LayerGroupScaleOf(model, model.HostLayerGroup);
  std::vector<BasePath> paths;
  for (const Chain& chain : chaining.chains) paths.push_back(ChainPath(chain, selection.pieces));
  DrawAlongPaths(model, writer, paths, table, scale,
                 table.Options.Junctions == JunctionMode::Clean);
  exchange::OutNotice(writer, ChainNotice(static_cast<int64_t>(chaining.chains.size()),
                                          selection.selected, selection.leftOut) +
                                  ProtectedLayersNotice(model, table));
}

}  // namespace tq58
