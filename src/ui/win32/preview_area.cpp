// The preview area's window: no background erasing of its own, every paint from one bitmap.
#include "ui/win32/preview_area.h"

#include "ui/win32/scene_painter.h"
#include "ui/win32/scoped_handles.h"

namespace tq58::ui::win32 {
namespace {

LRESULT CALLBACK PreviewAreaProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel; erasing first would flash white
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(hwnd, &paint);
      const auto* area =
          reinterpret_cast<const NativePreviewArea*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
      if (area != nullptr) {
        area->PaintBuffered(dc);
      } else {
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      }
      EndPaint(hwnd, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

const wchar_t kPreviewAreaClass[] = L"tq58.PreviewArea";

void RegisterPreviewAreaClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpfnWndProc = PreviewAreaProc;
  windowClass.lpszClassName = kPreviewAreaClass;
  RegisterClassExW(&windowClass);
}

NativePreviewArea::NativePreviewArea(HWND hwnd, HFONT font) : hwnd_(hwnd), font_(font) {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

NativePreviewArea::~NativePreviewArea() {
  if (IsWindow(hwnd_)) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

void NativePreviewArea::Show(const preview::Scene& scene) {
  scene_ = scene;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void NativePreviewArea::PaintBuffered(HDC dc) const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const ScopedMemoryDc buffer(CreateCompatibleDC(dc));
  const ScopedBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
  if (!buffer || !bitmap) return;
  {
    const ScopedSelection target(buffer.get(), bitmap.get());
    PaintScene(buffer.get(), client, scene_, font_);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer.get(), 0, 0, SRCCOPY);
  }
}

}  // namespace tq58::ui::win32
