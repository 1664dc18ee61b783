// Sample paths through a synthetic exchange model, the real construction along them, and its
// commands read back as the host would read them.
#include "preview/preset_scene.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawing/band_drawing.h"
#include "drawing/point_mode.h"
#include "exchange/writer.h"
#include "preview/model_scene.h"
#include "rows/row_spacings.h"
#include "util/host_limits.h"

namespace tq58::preview {

namespace {

// Sample paths are sized to the preset: legs long enough to show its widest line well and to
// leave room for the rounding of its largest radius (two corners on the U's bottom leg and on
// the S's middle leg).
constexpr double kLegsPerSpacing = 8.0;
constexpr double kLegsPerRadius = 3.0;
constexpr double kGapsPerSpacing = 4.0;  // room between two sample paths
constexpr double kGapsPerLeg = 0.25;
constexpr double kLargestLeg = 1e12;  // drawing units; keeps the sample paths finite

// The host's current attributes in the synthetic model.
constexpr int32_t kSampleHostColor = 2;
constexpr int32_t kSampleHostLineType = 1;
constexpr int32_t kSampleHostWidth = 0;

using Path = std::vector<PointD>;

struct SampleSize {
  double leg = 1.0;
  double gap = 1.0;
};

// The size of the sample paths for the drawn rows of `table` at `scale`.
SampleSize SampleSizeFor(const TLineTable& table, double scale) {
  double spacing = 0.0;
  for (const double s : SpacingsOf(table, scale).spacing) spacing = std::max(spacing, std::fabs(s));
  double radius = 0.0;
  for (const TLineRow& row : table.Lines) {
    if (row.DrawOn) radius = std::max(radius, InDrawingUnits(row.Radius, row.PaperSize, scale));
  }
  // Concentric corners ignore the rows' radii: the outermost row rounds with the base radius
  // plus its spacing.
  const TPresetOptions& options = table.Options;
  if (options.Corners == CornerMode::Concentric) {
    radius = InDrawingUnits(options.BaseRadius, options.BaseRadiusPaperSize, scale) + spacing;
  }
  SampleSize size;
  size.leg =
      std::clamp(std::max(kLegsPerSpacing * spacing, kLegsPerRadius * radius), 1.0, kLargestLeg);
  size.gap = std::max(kGapsPerSpacing * std::min(spacing, kLargestLeg), kGapsPerLeg * size.leg);
  return size;
}

// The L, the U, the S (a left turn, then a right turn) and the closed rectangle, with legs of
// length `leg`, `gap` apart.
std::vector<Path> SamplePaths(double leg, double gap) {
  const double u = leg + gap;
  const double s = 2.0 * (leg + gap);
  const double r = s + 2.0 * leg + gap;
  return {
      {{0, leg}, {0, 0}, {leg, 0}},
      {{u, leg}, {u, 0}, {u + leg, 0}, {u + leg, leg}},
      {{s, 0}, {s + leg, 0}, {s + leg, leg}, {s + 2.0 * leg, leg}},
      {{r, 0}, {r + 1.5 * leg, 0}, {r + 1.5 * leg, leg}, {r, leg}, {r, 0}},
  };
}

// Below the others, a road (a straight, a curve of a quarter turn, a straight) and an S of
// two curves turning either way, the curves of radius leg / 2, traced from left to right.
std::vector<BasePath> CurvedSamplePaths(double leg, double gap) {
  const double r = leg / 2.0;
  const double road = -(gap + 1.5 * leg);  // the road's bottom; both reach up to -gap
  const double s = leg + r + gap;          // the S's left end
  const double sBottom = -(gap + leg);
  return {
      {{{0, road}, {leg, road}, {leg + r, road + r}, {leg + r, road + r + leg}},
       false,
       {std::nullopt, PathArcOf({leg, road + r}, r, 270, 360, false), std::nullopt}},
      {{{s, sBottom}, {s + r, sBottom + r}, {s + 2.0 * r, sBottom + 2.0 * r}},
       false,
       {PathArcOf({s, sBottom + r}, r, 270, 360, false),
        PathArcOf({s + 2.0 * r, sBottom + r}, r, 90, 180, true)}},
  };
}

// Beside the curves, a small street network as chain mode draws it: a street from left to
// right, a street ending on it from above (a T) and one crossing it further along (an X), all
// within the box of the curves' height that ends under the rectangle's right side.
std::vector<BasePath> JunctionSamplePaths(double leg, double gap) {
  const double left = 2.5 * leg + 2.0 * gap;  // one gap right of the S of curves
  const double right = 5.5 * leg + 3.0 * gap;
  const double top = -gap;
  const double bottom = -(gap + 1.5 * leg);
  const double street = (top + bottom) / 2.0;
  const double tee = left + leg;
  const double cross = right - leg;
  return {
      {{{left, street}, {right, street}}, false, {}},
      {{{tee, top}, {tee, street}}, false, {}},
      {{{cross, top}, {cross, bottom}}, false, {}},
  };
}

exchange::ExchangeModel SyntheticHostModel(const Path& path, double scale) {
  exchange::ExchangeModel model;
  model.LayerGroupScale[static_cast<std::size_t>(model.HostLayerGroup)] = scale;
  model.HostLineColor = kSampleHostColor;
  model.HostLineType = kSampleHostLineType;
  model.HostLineWidth = kSampleHostWidth;
  model.LineWidthSeen = true;  // the host announces widths, so rows draw with their own
  for (std::size_t i = 0; i < path.size(); ++i) {
    model.HpPoints[i + 1] = {true, path[i].x, path[i].y, exchange::HpPlain};
  }
  return model;
}

}  // namespace

bool PresetDrawsAnything(const PresetStore& store, int32_t preset) {
  const auto& lines = store.Preset(preset).Lines;
  return std::any_of(lines.begin(), lines.end(), [](const TLineRow& row) { return row.DrawOn; });
}

Scene SampleScene(const TLineTable& table, double scale) {
  PresetStore drawn;
  drawn.CurrentPreset = 1;
  drawn.Preset(1) = table;
  const SampleSize size = SampleSizeFor(table, scale);

  Scene scene;
  for (const Path& path : SamplePaths(size.leg, size.gap)) {
    exchange::ExchangeModel host = SyntheticHostModel(path, scale);
    exchange::WriterState writer;
    DrawMultiLines(drawn, host, writer, util::kPolylinePointLimit);
    AddIndicatedPoints(host, scene);
    AddWrittenCommands(writer.OutputLines, scene);
  }
  // The curves as chain mode draws along selected arcs.
  const exchange::ExchangeModel host = SyntheticHostModel({}, scale);
  for (const BasePath& path : CurvedSamplePaths(size.leg, size.gap)) {
    exchange::WriterState writer;
    DrawAlongPaths(host, writer, {path}, table, scale, false);
    AddBasePath(path, scene);
    AddWrittenCommands(writer.OutputLines, scene);
  }
  // The network with its junctions as the preset's option has them: cleaned, or each street
  // drawn on its own so that the bands overlap.
  const std::vector<BasePath> network = JunctionSamplePaths(size.leg, size.gap);
  exchange::WriterState writer;
  DrawAlongPaths(host, writer, network, table, scale,
                 table.Options.Junctions == JunctionMode::Clean);
  for (const BasePath& path : network) AddBasePath(path, scene);
  AddWrittenCommands(writer.OutputLines, scene);
  return scene;
}

Scene PresetScene(const PresetStore& store, int32_t preset) {
  const TLineTable& table = store.Preset(preset);
  Scene scene = SampleScene(table, 1.0);
  scene.title = "Preset " + std::to_string(preset);
  if (!table.Comment.empty()) scene.title += ": " + table.Comment;
  return scene;
}

}  // namespace tq58::preview
