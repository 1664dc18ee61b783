// Where the dialog may open so that the user can see and grab it.
#pragma once

#include <span>

namespace tq58::ui {

// A rectangle on the virtual screen in pixels; Right and Bottom lie just outside it.
struct ScreenRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

struct ScreenPoint {
  int Left = 0;
  int Top = 0;
};

// One monitor: all of it, and its work area, the part that the task bar leaves free.
struct MonitorArea {
  ScreenRect Bounds;
  ScreenRect WorkArea;
};

// The outer top-left corner at which a window of `windowWidth` x `windowHeight` pixels opens.
// The stored corner is kept when any part of the window's title bar (its top
// `titleBarHeight` pixels) lies on one of `monitors`, except that a window reaching below the
// work area of the monitor that holds most of its title bar is moved up until it ends there,
// but never above that work area's top. Otherwise, as after a monitor was unplugged, the window
// is centred on `primaryWorkArea` (its top-left corner kept inside it).
ScreenPoint OpeningPosition(ScreenPoint stored, int windowWidth, int windowHeight,
                            int titleBarHeight, std::span<const MonitorArea> monitors,
                            ScreenRect primaryWorkArea);

}  // namespace tq58::ui
