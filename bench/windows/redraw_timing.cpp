// Times whole redraws of the settings dialog's preview on Windows (or Wine): the scene of a
// page of ten rows along the sample paths, painted with GDI into an off-screen bitmap of the
// preview area's size and copied to a second one as the window's paint does.
//
//   redraw_timing.exe [REDRAWS]      (default 500; reports mean, median and worst)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "../preview_page.h"
#include "ui/page_preview.h"
#include "ui/win32/dialog_layout.h"
#include "ui/win32/scene_painter.h"
#include "ui/win32/scoped_handles.h"

namespace {

using namespace tq58::ui::win32;

// The preview area's client size in the dialog, inside its sunken edge.
constexpr int kAreaWidth = kPreviewWidth - 4;
constexpr int kAreaHeight = kPreviewHeight - 4;

struct Figures {
  double mean = 0.0;
  double median = 0.0;
  double worst = 0.0;
};

Figures TimeRedraws(tq58::CornerMode corners, int redraws, HDC screen, HFONT font) {
  const tq58::TLineTable page = tq58::bench::TenRowPage(corners);
  const ScopedMemoryDc window(CreateCompatibleDC(screen));
  const ScopedBitmap windowBitmap(CreateCompatibleBitmap(screen, kAreaWidth, kAreaHeight));
  const ScopedSelection windowTarget(window.get(), windowBitmap.get());
  const RECT area{0, 0, kAreaWidth, kAreaHeight};

  std::vector<double> ms;
  for (int i = 0; i < redraws; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const tq58::preview::Scene scene = tq58::ui::PagePreviewScene(page);
    const ScopedMemoryDc buffer(CreateCompatibleDC(window.get()));
    const ScopedBitmap bitmap(CreateCompatibleBitmap(window.get(), kAreaWidth, kAreaHeight));
    {
      const ScopedSelection target(buffer.get(), bitmap.get());
      PaintScene(buffer.get(), area, scene, font);
      BitBlt(window.get(), 0, 0, kAreaWidth, kAreaHeight, buffer.get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    const auto end = std::chrono::steady_clock::now();
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  Figures figures;
  for (double t : ms) figures.mean += t / static_cast<double>(ms.size());
  std::sort(ms.begin(), ms.end());
  figures.median = ms[ms.size() / 2];
  figures.worst = ms.back();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const int redraws = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
  const ScopedWindowDc screen(nullptr);  // the screen's context
  const ScopedFont font(CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    FIXED_PITCH | FF_MODERN,
                                    L"ＭＳ ゴシック"));  // the dialog's font
  std::printf("redraws of the preview (%dx%d pixels, 10 rows), milliseconds per redraw\n",
              kAreaWidth, kAreaHeight);
  for (const auto& [name, corners] : {std::pair("per-row radii", tq58::CornerMode::PerRow),
                                      std::pair("concentric", tq58::CornerMode::Concentric)}) {
    const Figures f = TimeRedraws(corners, redraws, screen.get(), font.get());
    std::printf("%-14s %5d redraws: mean %.3f  median %.3f  worst %.3f\n", name, redraws, f.mean,
                f.median, f.worst);
  }
  return 0;
}
