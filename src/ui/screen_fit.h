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

// The outer top-left corner at which a window of `windowWidth` x `windowHeight` pixels opens.
// The stored corner is kept when any part of the window's title bar (its top
// `titleBarHeight` pixels) lies on one of `monitors`; otherwise, as after a monitor was
// unplugged, the window is centred on `primaryWorkArea` (its top-left corner kept inside it).
ScreenPoint PositionWithVisibleTitleBar(ScreenPoint stored, int windowWidth, int windowHeight,
                                        int titleBarHeight, std::span<const ScreenRect> monitors,
                                        ScreenRect primaryWorkArea);

}  // namespace tq58::ui
