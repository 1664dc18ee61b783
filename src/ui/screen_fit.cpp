// The title-bar visibility rule for the dialog's opening position.
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

bool Overlaps(const WideRect& a, const ScreenRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Start of a span of `size` centred in [low, high), but never before `low`.
int CentredStart(int low, int high, int size) {
  const int64_t start = low + (static_cast<int64_t>(high) - low - size) / 2;
  return static_cast<int>(std::max<int64_t>(start, low));
}

}  // namespace

ScreenPoint PositionWithVisibleTitleBar(ScreenPoint stored, int windowWidth, int windowHeight,
                                        int titleBarHeight, std::span<const ScreenRect> monitors,
                                        ScreenRect primaryWorkArea) {
  const WideRect titleBar{stored.Left, stored.Top, int64_t{stored.Left} + windowWidth,
                          int64_t{stored.Top} + titleBarHeight};
  const bool visible = std::any_of(monitors.begin(), monitors.end(),
                                   [&](const ScreenRect& m) { return Overlaps(titleBar, m); });
  if (visible) return stored;
  return {CentredStart(primaryWorkArea.Left, primaryWorkArea.Right, windowWidth),
          CentredStart(primaryWorkArea.Top, primaryWorkArea.Bottom, windowHeight)};
}

}  // namespace tq58::ui
