// The bands' geometry first, their fills and rows written after, each on its layer.
#include "drawing/band_drawing.h"

#include "drawing/layered_output.h"
#include "network/junction_network.h"
#include "region/band_fill.h"
#include "rows/construction.h"

namespace tq58 {

void DrawAlongPaths(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                    const std::vector<BasePath>& paths, const TLineTable& table, double scale,
                    bool network) {
  const bool fill = table.Options.Fill;
  Solids solids;
  MultiLine lines;
  if (network) {
    lines = BuildJunctionNetwork(paths, table, scale, fill ? &solids : nullptr);
  } else {
    for (const BasePath& path : paths) {
      std::vector<std::optional<RowEnds>> rowEnds;
      MultiLine band = BuildMultiLine(path, table, scale, &rowEnds);
      if (fill) {
        const Solids bandSolids = FillBand(path, band, rowEnds, table, scale);
        solids.insert(solids.end(), bandSolids.begin(), bandSolids.end());
      }
      lines.insert(lines.end(), std::make_move_iterator(band.begin()),
                   std::make_move_iterator(band.end()));
    }
  }
  WriteOnLayers(model, writer, table, solids, lines);
}

}  // namespace tq58
