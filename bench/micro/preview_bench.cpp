// The portable part of a preview redraw in the settings dialog: the scene of a page of ten
// rows along the sample paths, and its arcs as the points that the painter draws.
#include <benchmark/benchmark.h>

#include <variant>

#include "../preview_page.h"
#include "preview/pixel_view.h"
#include "ui/page_preview.h"

namespace {

using tq58::CornerMode;

void BM_PagePreviewScene(benchmark::State& state, CornerMode corners) {
  const tq58::TLineTable page = tq58::bench::TenRowPage(corners);
  std::size_t shapes = 0;
  for (auto _ : state) {
    const tq58::preview::Scene scene = tq58::ui::PagePreviewScene(page);
    shapes = scene.commands.size();
    benchmark::DoNotOptimize(scene.commands.data());
  }
  state.counters["shapes"] = static_cast<double>(shapes);
}
BENCHMARK_CAPTURE(BM_PagePreviewScene, PerRow, CornerMode::PerRow);
BENCHMARK_CAPTURE(BM_PagePreviewScene, Concentric, CornerMode::Concentric);

// Fitting the scene into the dialog's preview area and turning every arc into points.
void BM_PagePreviewArcPoints(benchmark::State& state) {
  const tq58::preview::Scene scene =
      tq58::ui::PagePreviewScene(tq58::bench::TenRowPage(CornerMode::PerRow));
  std::size_t points = 0;
  for (auto _ : state) {
    const tq58::preview::PixelView view = tq58::preview::FitInArea(
        tq58::preview::SceneBounds(scene), {0.0, 18.0, 577.0, 128.0}, 14.0);
    points = 0;
    for (const tq58::preview::StyledShape& styled : scene.commands) {
      if (const auto* arc = std::get_if<tq58::preview::ArcShape>(&styled.shape)) {
        points += tq58::preview::ArcPoints(*arc, view.pixelsPerUnit).size();
      }
    }
    benchmark::DoNotOptimize(points);
  }
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_PagePreviewArcPoints);

}  // namespace
