// Owners of Win32 handles: each releases its handle when it goes out of scope, so that no
// code path releases one by hand or forgets to.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tq58::ui::win32 {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A font, brush, pen or bitmap of ours, deleted with DeleteObject.
template <typename Handle>
using ScopedGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;

struct MemoryDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

// A memory device context of ours, deleted with DeleteDC.
using ScopedMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// An object selected into a device context for the scope; the one it replaced is selected
// back at the end, before the object itself may be deleted.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelection() { SelectObject(dc_, previous_); }
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};

// A window of ours that no message destroys, destroyed with DestroyWindow.
using ScopedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// The device context of a window's client area, released back to the window with ReleaseDC.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedWindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace tq58::ui::win32
