// The settings dialog's window: built from the layout table, its messages handed to TForm1.
#include "ui/win32/settings_window.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <array>
#include <memory>
#include <optional>
#include <utility>

#include "ui/line_row_frame.h"
#include "ui/settings_dialog.h"
#include "ui/win32/color_swatch.h"
#include "ui/win32/dialog_controls.h"
#include "ui/win32/dialog_keyboard.h"
#include "ui/win32/dialog_layout.h"
#include "ui/win32/native_controls.h"
#include "ui/win32/preview_area.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/scoped_handles.h"

namespace tq58::ui::win32 {
namespace {

constexpr wchar_t kDialogClass[] = L"tq58.SettingsDialog";
constexpr wchar_t kApplicationClass[] = L"tq58.Application";
// Posted to draw the page anew once an editable list's text has followed its selection.
constexpr UINT kRedrawPreviewMessage = WM_APP + 1;
constexpr COLORREF kMemoColor = RGB(187, 235, 244);
// Fixed single border, system menu with close box, minimize button, no maximize.
constexpr DWORD kDialogStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The controls of one line row, as the control layer sees them.
struct NativeRow {
  NativeCheckBox CH1;
  NativeEditBox Edit1;
  NativeEditBox Edit2;
  NativeCheckBox CH2;
  NativeComboBox CB1;
  NativeComboBox CB2;
  NativeComboBox CB3;
  NativeComboBox CB4;
};

// The controls of the preset's options, as the control layer sees them.
struct NativeOptions {
  NativeComboBox CornerModeList;
  NativeLabel BaseRadiusLabel;
  NativeEditBox BaseRadiusEdit;
  NativeCheckBox BaseRadiusPaperSize;
  NativeComboBox StartCapList;
  NativeComboBox EndCapList;
  NativeComboBox JunctionList;
  NativeCheckBox FillBox;
  NativeColorSwatch FillColorSwatch;
  NativeComboBox FillLayerList;
};

// One element for each line row, `make(1)` .. `make(kRowsPerPreset)`: neither the rows'
// controls nor their frames have an empty value that an array could start from.
template <typename Make>
auto RowsOf(Make make) {
  const auto each = [&]<std::size_t... I>(std::index_sequence<I...>) {
    return std::array{make(static_cast<int>(I) + 1)...};
  };
  return each(std::make_index_sequence<kRowsPerPreset>{});
}

class SettingsWindow {
 public:
  SettingsWindow(PresetStore& store, std::filesystem::path settingsFileName,
                 util::ReadResult settingsRead)
      : instance_(GetModuleHandleW(nullptr)),
        store_(store),
        settingsFileName_(std::move(settingsFileName)),
        settingsRead_(std::move(settingsRead)) {}
  SettingsWindow(const SettingsWindow&) = delete;
  SettingsWindow& operator=(const SettingsWindow&) = delete;

  void Run();

 private:
  static LRESULT CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ApplicationProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void RegisterClasses();
  bool CreateWindows();
  void CreateControls();
  HWND Control(int id) const { return GetDlgItem(dialog_, id); }
  void ConnectDialog();
  LRESULT OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void SelectTabAsUser(int step);

  HINSTANCE instance_;
  PresetStore& store_;
  std::filesystem::path settingsFileName_;
  util::ReadResult settingsRead_;
  HWND dialog_ = nullptr;  // destroyed by its own WM_CLOSE
  ScopedFont font_;
  ScopedBrush memoBrush_;
  HWND focusWhenInactive_ = nullptr;
  KeyboardTargets keyboardTargets_;

  // The control layer over the native controls, and the dialog's behaviour on it.
  std::optional<NativeFormWindow> form_;
  std::optional<NativeMemo> memo_;
  std::optional<NativeTabStrip> tabs_;
  std::optional<NativeEditBox> comment_;
  std::optional<std::array<NativeRow, kRowsPerPreset>> rows_;
  std::optional<std::array<TFrame2, kRowsPerPreset>> frames_;  // refer into rows_
  std::optional<NativeOptions> options_;
  std::optional<NativePreviewArea> preview_;
  std::optional<TForm1> form1_;
  std::optional<DialogKeyboard> keyboard_;

  // Carries the application title on the task bar and owns the dialog. Declared last so that
  // it is destroyed first, with the dialog if still open, while every member that their last
  // messages reach still lives, and before the font and brush that their controls use.
  ScopedWindow application_;
};

void SettingsWindow::Run() {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterClasses();
  if (!CreateWindows()) return;
  CreateControls();
  ConnectDialog();
  form1_->OpenSettings();

  focusWhenInactive_ = Control(kButton1);  // the first control in tab order that takes focus
  ShowWindow(application_.get(), SW_SHOWNOACTIVATE);
  ShowWindow(dialog_, SW_SHOW);
  SetForegroundWindow(dialog_);
  form1_->WindowShown();

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (keyboard_->PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void SettingsWindow::RegisterClasses() {
  const auto icon = [this](int size) {
    return static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TQ58), IMAGE_ICON, size, size, 0));
  };
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = icon(GetSystemMetrics(SM_CXICON));
  windowClass.hIconSm = icon(GetSystemMetrics(SM_CXSMICON));

  windowClass.lpfnWndProc = DialogProc;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kDialogClass;
  RegisterClassExW(&windowClass);

  windowClass.lpfnWndProc = ApplicationProc;
  windowClass.hbrBackground = nullptr;
  windowClass.lpszClassName = kApplicationClass;
  RegisterClassExW(&windowClass);

  RegisterPreviewAreaClass(instance_);
  RegisterColorSwatchClass(instance_);
}

bool SettingsWindow::CreateWindows() {
  // As the task bar's entry, a visible window of no size in the middle of the screen; the
  // dialog is owned by it and so has no entry of its own.
  const int centreX = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int centreY = GetSystemMetrics(SM_CYSCREEN) / 2;
  application_.reset(CreateWindowExW(0, kApplicationClass, kApplicationTitle,
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, centreX,
                                     centreY, 0, 0, nullptr, nullptr, instance_, this));
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, 0);
  CreateWindowExW(0, kDialogClass, kDialogTitle, kDialogStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, application_.get(), nullptr,
                  instance_, this);
  return application_ != nullptr && dialog_ != nullptr;
}

void SettingsWindow::CreateControls() {
  font_ = CreateDialogFont();
  memoBrush_.reset(CreateSolidBrush(kMemoColor));
  keyboardTargets_ = CreateDialogControls(dialog_, instance_, font_.get());
}

void SettingsWindow::ConnectDialog() {
  form_.emplace(dialog_);
  memo_.emplace(Control(kMemo1));
  tabs_.emplace(Control(kTabControl1));
  comment_.emplace(Control(kEditC));
  rows_.emplace(RowsOf([this](int row) {
    const auto at = [&](int column) { return Control(RowControlId(row, column)); };
    return NativeRow{NativeCheckBox(at(0)), NativeEditBox(at(1)),  NativeEditBox(at(2)),
                     NativeCheckBox(at(3)), NativeComboBox(at(4)), NativeComboBox(at(5)),
                     NativeComboBox(at(6)), NativeComboBox(at(7))};
  }));
  frames_.emplace(RowsOf([this](int row) {
    NativeRow& native = (*rows_)[static_cast<std::size_t>(row - 1)];
    return TFrame2{native.CH1, native.Edit1, native.Edit2, native.CH2,
                   native.CB1, native.CB2,   native.CB3,   native.CB4};
  }));
  options_.emplace(NativeOptions{
      NativeComboBox(Control(kCornerModeList)), NativeLabel(Control(kBaseRadiusLabel)),
      NativeEditBox(Control(kBaseRadiusEdit)), NativeCheckBox(Control(kBaseRadiusPaperSize)),
      NativeComboBox(Control(kStartCapList)), NativeComboBox(Control(kEndCapList)),
      NativeComboBox(Control(kJunctionList)), NativeCheckBox(Control(kFillBox)),
      NativeColorSwatch(Control(kFillColorSwatch)), NativeComboBox(Control(kFillLayerList))});
  preview_.emplace(Control(kPreviewArea), font_.get());
  form1_.emplace(
      DialogControls{*form_, *memo_, *tabs_, *comment_, *frames_,
                     PresetOptionControls{options_->CornerModeList, options_->BaseRadiusLabel,
                                          options_->BaseRadiusEdit, options_->BaseRadiusPaperSize,
                                          options_->StartCapList, options_->EndCapList,
                                          options_->JunctionList, options_->FillBox,
                                          options_->FillColorSwatch, options_->FillLayerList},
                     *preview_},
      store_, settingsFileName_, settingsRead_);
  keyboard_.emplace(dialog_, Control(kButton1), Control(kButton2), std::move(keyboardTargets_),
                    [this](int step) { SelectTabAsUser(step); });
}

void SettingsWindow::SelectTabAsUser(int step) {
  const int next = (tabs_->TabIndex() + step + kPresetCount) % kPresetCount;
  form1_->TabControl1Changing();
  tabs_->SetTabIndex(next);
  form1_->TabControl1Change();
}

LRESULT CALLBACK SettingsWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<SettingsWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->dialog_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<SettingsWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self != nullptr ? self->OnDialogMessage(message, wParam, lParam)
                         : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK SettingsWindow::ApplicationProc(HWND hwnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<SettingsWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<SettingsWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self != nullptr && self->application_.get() == hwnd
             ? self->OnApplicationMessage(message, wParam, lParam)
             : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT SettingsWindow::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (form1_ && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == kButton1) form1_->Button1Click();
        if (LOWORD(wParam) == kButton2) form1_->Button2Click();
        if (LOWORD(wParam) == kFillColorButton) form1_->FillColorButtonClick();
      }
      // Sent for the user's choice only, by mouse or keyboard; never for the program's.
      if (form1_ && HIWORD(wParam) == CBN_SELCHANGE && LOWORD(wParam) == kCornerModeList) {
        form1_->CornerModeListChange();
      }
      if (form1_) {
        switch (ValueChangeOf(LOWORD(wParam), HIWORD(wParam))) {
          case ValueChange::Now:
            form1_->PageEdited();
            break;
          case ValueChange::AfterSelection:
            PostMessageW(dialog_, kRedrawPreviewMessage, 0, 0);
            break;
          case ValueChange::None:
            break;
        }
      }
      return 0;
    case kRedrawPreviewMessage:
      if (form1_) form1_->PageEdited();
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (form1_ && header->idFrom == kTabControl1) {
        if (header->code == TCN_SELCHANGING) form1_->TabControl1Changing();
        if (header->code == TCN_SELCHANGE) form1_->TabControl1Change();
      }
      return FALSE;  // a tab change is never refused
    }
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto control = reinterpret_cast<HWND>(lParam);
      if (control == Control(kMemo1)) {
        SetBkColor(dc, kMemoColor);
        return reinterpret_cast<LRESULT>(memoBrush_.get());
      }
      // A greyed edit box has the face colour behind its grey text, as in every dialog.
      if (!IsWindowEnabled(control) && HasClass(control, L"Edit")) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_ACTIVATE:
      // Give the focus back to the control that had it, as dialogs do.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(dialog_, focus)) focusWhenInactive_ = focus;
      } else if (focusWhenInactive_ != nullptr && IsWindow(focusWhenInactive_)) {
        SetFocus(focusWhenInactive_);
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      // Minimizing goes to the task bar entry, the application window; the dialog hides until
      // that is restored.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        ShowWindow(dialog_, SW_HIDE);
        ShowWindow(application_.get(), SW_MINIMIZE);
        return 0;
      }
      break;
    case WM_CLOSE:  // the close box, cancel and OK all end here
      DestroyWindow(dialog_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(dialog_, message, wParam, lParam);
}

LRESULT SettingsWindow::OnApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      // Restored from the task bar: the dialog comes back.
      if (wParam != SIZE_MINIMIZED && !IsWindowVisible(dialog_)) {
        ShowWindow(dialog_, SW_SHOW);
        SetActiveWindow(dialog_);
      }
      return 0;
    case WM_SETFOCUS:
      // Activated from the task bar: the dialog takes over.
      if (IsWindowVisible(dialog_)) SetActiveWindow(dialog_);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {  // "Close window" on the task bar entry
        PostMessageW(dialog_, WM_CLOSE, 0, 0);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(application_.get(), message, wParam, lParam);
}

}  // namespace

void RunSettingsDialog(PresetStore& store, const std::filesystem::path& settingsFileName,
                       const util::ReadResult& settingsRead) {
  SettingsWindow window(store, settingsFileName, settingsRead);
  window.Run();
}

}  // namespace tq58::ui::win32
