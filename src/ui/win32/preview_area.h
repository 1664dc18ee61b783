// The dialog's preview area: a child window that paints the scene it was last given, through
// an off-screen bitmap so that nothing flickers.
#pragma once

#include <windows.h>

#include "preview/scene.h"
#include "ui/controls.h"

namespace tq58::ui::win32 {

extern const wchar_t kPreviewAreaClass[];

// Registers the preview area's window class; before the dialog's controls are created.
void RegisterPreviewAreaClass(HINSTANCE instance);

// The control layer's preview area over a window of kPreviewAreaClass. Until it is made, and
// after it is gone, the window paints white.
class NativePreviewArea : public PreviewArea {
 public:
  NativePreviewArea(HWND hwnd, HFONT font);
  ~NativePreviewArea() override;
  NativePreviewArea(const NativePreviewArea&) = delete;
  NativePreviewArea& operator=(const NativePreviewArea&) = delete;

  // Keeps `scene` and has the window painted anew.
  void Show(const preview::Scene& scene) override;

  // Paints the scene into an off-screen bitmap of the client's size and copies that to `dc`
  // at once.
  void PaintBuffered(HDC dc) const;

 private:
  HWND hwnd_;
  HFONT font_;
  preview::Scene scene_;
};

}  // namespace tq58::ui::win32
