// Win32 implementations of the dialog's control layer.
#include "ui/win32/native_controls.h"

#include <commctrl.h>
// Not in windows.h with WIN32_LEAN_AND_MEAN; -mwindows links its library.
#include <commdlg.h>

#include <vector>

#include "ui/screen_fit.h"
#include "util/shift_jis_text.h"

namespace tq58::ui::win32 {
namespace {

using util::ShiftJisToWide;
using util::WideToShiftJis;

constexpr COLORREF kUnusedCustomColor = RGB(255, 255, 255);  // as Windows shows an empty one

ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT rect, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  // A monitor without its information is taken as all work area.
  const RECT work = GetMonitorInfoW(monitor, &info) ? info.rcWork : *rect;
  reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(
      {ToScreenRect(*rect), ToScreenRect(work)});
  return TRUE;
}

ScreenRect PrimaryWorkArea() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return ToScreenRect(info.rcWork);
}

}  // namespace

std::wstring WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

bool HasClass(HWND hwnd, const wchar_t* className) {
  wchar_t name[32] = {};
  GetClassNameW(hwnd, name, 32);
  return lstrcmpiW(name, className) == 0;
}

bool NativeCheckBox::Checked() const {
  return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void NativeCheckBox::SetChecked(bool checked) {
  SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string NativeEditBox::Text() const {
  std::wstring text = WindowText(hwnd_);
  return text == setText_ ? setBytes_ : WideToShiftJis(text);
}

void NativeEditBox::SetText(std::string_view text) {
  setBytes_ = text;
  setText_ = ShiftJisToWide(text);
  SetWindowTextW(hwnd_, setText_.c_str());
}

void NativeComboBox::ClearItems() { SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0); }

void NativeComboBox::AddItem(std::string_view text) {
  const std::wstring item = ShiftJisToWide(text);
  SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int NativeComboBox::ItemCount() const {
  const LRESULT count = SendMessageW(hwnd_, CB_GETCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

int NativeComboBox::SelectedIndex() const {
  const LRESULT index = SendMessageW(hwnd_, CB_GETCURSEL, 0, 0);
  return index < 0 ? -1 : static_cast<int>(index);
}

void NativeComboBox::SetSelectedIndex(int index) {
  SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string NativeComboBox::Text() const { return WideToShiftJis(WindowText(hwnd_)); }

void NativeComboBox::SetText(std::string_view text) {
  SetWindowTextW(hwnd_, ShiftJisToWide(text).c_str());
}

int NativeTabStrip::TabIndex() const {
  return static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
}

void NativeTabStrip::SetTabIndex(int index) {
  SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void NativeMemo::SetText(std::string_view text) {
  SetWindowTextW(hwnd_, ShiftJisToWide(text).c_str());
}

NativeFormWindow::NativeFormWindow(HWND hwnd) : hwnd_(hwnd) {
  customColors_.fill(kUnusedCustomColor);
}

int NativeFormWindow::Left() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  return rect.left;
}

int NativeFormWindow::Top() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  return rect.top;
}

void NativeFormWindow::MoveTo(int left, int top) {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  POINT clientOrigin{0, 0};
  ClientToScreen(hwnd_, &clientOrigin);
  // Everything above the client area: the border and the caption.
  const int titleBarHeight = clientOrigin.y - window.top;
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  const ScreenPoint placed =
      OpeningPosition({left, top}, window.right - window.left, window.bottom - window.top,
                      titleBarHeight, monitors, PrimaryWorkArea());
  SetWindowPos(hwnd_, nullptr, placed.Left, placed.Top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeFormWindow::Close() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

void NativeFormWindow::ShowWarning(const UserMessage& message) {
  MessageBoxW(hwnd_, ShiftJisToWide(message.Text).c_str(), ShiftJisToWide(message.Caption).c_str(),
              MB_OK | MB_ICONWARNING);
}

bool NativeFormWindow::AskYesNo(const UserMessage& message) {
  // "No" is the default button: Enter pressed out of habit keeps the other run's save.
  return MessageBoxW(hwnd_, ShiftJisToWide(message.Text).c_str(),
                     ShiftJisToWide(message.Caption).c_str(),
                     MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

std::optional<int32_t> NativeFormWindow::PickColor(int32_t initial) {
  CHOOSECOLORW chooser{};
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = hwnd_;
  // R + 256 G + 65536 B is a COLORREF as it stands.
  chooser.rgbResult = static_cast<COLORREF>(initial) & 0xFFFFFF;
  chooser.lpCustColors = customColors_.data();
  chooser.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  if (!ChooseColorW(&chooser)) return std::nullopt;
  return static_cast<int32_t>(chooser.rgbResult & 0xFFFFFF);
}

}  // namespace tq58::ui::win32
