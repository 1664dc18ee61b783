// Lines grouped by layer with a stable order, so that each layer is entered once and the rows
// of one layer keep the order in which the construction drew them.
#include "drawing/layered_output.h"

#include <algorithm>
#include <vector>

#include "drawing/layer_choice.h"
#include "drawing/row_writer.h"
#include "drawing/solid_writer.h"
#include "exchange/writer.h"

namespace tq58 {
namespace {

bool DrawsSomething(const DrawnLine& line) {
  return std::any_of(line.pieces.begin(), line.pieces.end(), WritesSomething);
}

int32_t LayerOf(const exchange::ExchangeModel& model, const DrawnLine& line) {
  return WrittenLayer(model, line.row->Layer);
}

// The lines in writing order, grouped by layer: `first` first, then the others in the order of
// their first line, the host's write layer last unless it is `first`, so that no switch back
// follows its lines.
std::vector<const DrawnLine*> GroupedByLayer(const exchange::ExchangeModel& model,
                                             const MultiLine& lines, int32_t first) {
  std::vector<int32_t> layers = {first};
  for (const DrawnLine& line : lines) {
    const int32_t layer = LayerOf(model, line);
    if (std::find(layers.begin(), layers.end(), layer) == layers.end()) layers.push_back(layer);
  }
  if (first != model.HostLayer) {
    const auto host = std::find(layers.begin(), layers.end(), model.HostLayer);
    if (host != layers.end()) std::rotate(host, host + 1, layers.end());
  }
  const auto rank = [&](const DrawnLine* line) {
    return std::find(layers.begin(), layers.end(), LayerOf(model, *line)) - layers.begin();
  };
  std::vector<const DrawnLine*> order;
  order.reserve(lines.size());
  for (const DrawnLine& line : lines) order.push_back(&line);
  std::stable_sort(order.begin(), order.end(),
                   [&](const DrawnLine* a, const DrawnLine* b) { return rank(a) < rank(b); });
  return order;
}

}  // namespace

void WriteOnLayers(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                   const TLineTable& table, const Solids& solids, const MultiLine& lines) {
  const bool solidsWritten = WritesAnySolid(solids);
  const int32_t fillLayer = WrittenLayer(model, table.Options.FillLayer);
  const std::vector<const DrawnLine*> order =
      GroupedByLayer(model, lines, solidsWritten ? fillLayer : model.HostLayer);

  int32_t opening = model.HostLayer;
  if (solidsWritten) {
    opening = fillLayer;
  } else if (const auto drawn = std::find_if(order.begin(), order.end(),
                                             [](const DrawnLine* l) { return DrawsSomething(*l); });
             drawn != order.end()) {
    opening = LayerOf(model, **drawn);
  }
  exchange::OutLayer(writer, opening);
  WriteSolids(writer, table.Options.FillColor, solids);
  for (const DrawnLine* line : order) {
    // A line that draws nothing changes no layer, so that no layer line stands empty.
    if (DrawsSomething(*line)) exchange::OutLayer(writer, LayerOf(model, *line));
    WriteDrawnLine(model, writer, *line);
  }
  exchange::OutLayer(writer, model.HostLayer);
}

}  // namespace tq58
