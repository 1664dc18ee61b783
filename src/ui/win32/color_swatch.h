// The fill colour's swatch: a child window painted all over in the colour it holds.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/controls.h"

namespace tq58::ui::win32 {

extern const wchar_t kColorSwatchClass[];

// Registers the swatch's window class; before the dialog's controls are created.
void RegisterColorSwatchClass(HINSTANCE instance);

// The control layer's swatch over a window of kColorSwatchClass. The window itself keeps the
// colour, so that it paints without this object.
class NativeColorSwatch : public ColorSwatch {
 public:
  explicit NativeColorSwatch(HWND hwnd) : hwnd_(hwnd) {}
  int32_t Color() const override;
  // Keeps the colour's lowest 24 bits, a COLORREF, and has the window painted anew.
  void SetColor(int32_t color) override;

 private:
  HWND hwnd_;
};

}  // namespace tq58::ui::win32
