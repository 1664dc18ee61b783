// The title-bar visibility rule for the dialog's opening position, and the rule that keeps the
// window's bottom on the screen.
#include "ui/screen_fit.h"

#include <algorithm>
#include <cstdint>

namespace tq58::ui {
namespace {

// 64-bit edges: a stored corner may be any 32-bit value, and adding a width to it must not
// overflow.
struct WideRect {
  int64_t Left, Top, Right, Bottom;
};

// The area that `a` and `b` share, 0 when they do not overlap.
int64_t OverlapArea(const WideRect& a, const ScreenRect& b) {
  const int64_t width = std::min<int64_t>(a.Right, b.Right) - std::max<int64_t>(a.Left, b.Left);
  const int64_t height = std::min<int64_t>(a.Bottom, b.Bottom) - std::max<int64_t>(a.Top, b.Top);
  return width > 0 && height > 0 ? width * height : 0;
}

// Start of a span of `size` centred in [low, high), but never before `low`.
int CentredStart(int low, int high, int size) {
  const int64_t start = low + (static_cast<int64_t>(high) - low - size) / 2;
  return static_cast<int>(std::max<int64_t>(start, low));
}

}  // namespace

ScreenPoint OpeningPosition(ScreenPoint stored, int windowWidth, int windowHeight,
                            int titleBarHeight, std::span<const MonitorArea> monitors,
                            ScreenRect primaryWorkArea) {
  const WideRect titleBar{stored.Left, stored.Top, int64_t{stored.Left} + windowWidth,
                          int64_t{stored.Top} + titleBarHeight};
  const MonitorArea* holder = nullptr;
  int64_t held = 0;
  for (const MonitorArea& monitor : monitors) {
    const int64_t area = OverlapArea(titleBar, monitor.Bounds);
    if (area > held) {
      holder = &monitor;
      held = area;
    }
  }
  if (holder == nullptr) {
    return {CentredStart(primaryWorkArea.Left, primaryWorkArea.Right, windowWidth),
            CentredStart(primaryWorkArea.Top, primaryWorkArea.Bottom, windowHeight)};
  }
  // Moved up only: a window that already starts above the work area's top stays where it is.
  const ScreenRect& work = holder->WorkArea;
  const int64_t highestFit = std::max<int64_t>(int64_t{work.Bottom} - windowHeight, work.Top);
  return {stored.Left, static_cast<int>(std::min<int64_t>(stored.Top, highestFit))};
}

}  // namespace tq58::ui
