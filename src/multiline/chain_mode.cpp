// Chain mode: the selection's pieces chained, each chain drawn as the point mode draws a
// polyline (or the chains drawn together as one network with its junctions cleaned), and what
// happened told to the host's user.
#include "multiline/chain_mode.h"

#include "exchange/writer.h"
#include "multiline/chain_notice.h"
#include "multiline/chaining.h"
#include "multiline/construction.h"
#include "multiline/junction_network.h"
#include "multiline/row_writer.h"
#include "multiline/selected_pieces.h"

namespace tq58 {

void DrawChainMultiLines(const PresetStore& store, const JwwGaibu::ExchangeModel& model,
                         JwwGaibu::WriterState& writer, bool reverse) {
  SelectedPieces selection = TakeSelectedPieces(model);
  ChainDirection direction;
  direction.reverse = reverse;
  if (const JwwGaibu::THpPoint& hp = model.HpPoints[1]; hp.Defined) {
    direction.firstPoint = PointD{hp.X, hp.Y};
  }
  const Chaining chaining = ChainPieces(selection, direction);
  selection.leftOut[static_cast<std::size_t>(LeftOut::ZeroLength)] = chaining.zeroLength;
  selection.leftOut[static_cast<std::size_t>(LeftOut::Duplicate)] = chaining.duplicates;
  if (chaining.chains.empty()) {
    JwwGaibu::OutErrorMessage(writer, NoChainMessage(selection.selected, selection.leftOut));
    return;
  }

  const TLineTable& table = CurrentLineTable(store);
  const double scale = JwwGaibu::LayerGroupScaleOf(model, model.HostLayerGroup);
  if (table.Options.Junctions == JunctionMode::Clean) {
    std::vector<BasePath> paths;
    for (const Chain& chain : chaining.chains) paths.push_back(ChainPath(chain, selection.pieces));
    WriteMultiLine(model, writer, BuildJunctionNetwork(paths, table, scale));
  } else {
    for (const Chain& chain : chaining.chains) {
      WriteMultiLine(model, writer,
                     BuildMultiLine(ChainPath(chain, selection.pieces), table, scale));
    }
  }
  JwwGaibu::OutNotice(writer, ChainNotice(static_cast<int64_t>(chaining.chains.size()),
                                          selection.selected, selection.leftOut));
}

}  // namespace tq58
