// The swatch's window: its colour in the window's own extra bytes, painted on every WM_PAINT.
#include "ui/win32/color_swatch.h"

#include "ui/win32/scoped_handles.h"

namespace tq58::ui::win32 {
namespace {

constexpr int kColorOffset = 0;  // of the COLORREF among the window's extra bytes
// Ours and the host's R + 256 G + 65536 B is a COLORREF as it stands.
constexpr LONG_PTR kColorMask = 0xFFFFFF;

LRESULT CALLBACK ColorSwatchProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(hwnd, &paint);
      const auto color = static_cast<COLORREF>(GetWindowLongPtrW(hwnd, kColorOffset));
      const ScopedBrush brush(CreateSolidBrush(color));
      FillRect(dc, &paint.rcPaint, brush.get());
      EndPaint(hwnd, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

const wchar_t kColorSwatchClass[] = L"tq58.ColorSwatch";

void RegisterColorSwatchClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpfnWndProc = ColorSwatchProc;
  windowClass.lpszClassName = kColorSwatchClass;
  RegisterClassExW(&windowClass);
}

int32_t NativeColorSwatch::Color() const {
  return static_cast<int32_t>(GetWindowLongPtrW(hwnd_, kColorOffset) & kColorMask);
}

void NativeColorSwatch::SetColor(int32_t color) {
  SetWindowLongPtrW(hwnd_, kColorOffset, static_cast<LONG_PTR>(color) & kColorMask);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace tq58::ui::win32
