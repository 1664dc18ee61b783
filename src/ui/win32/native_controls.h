// The control layer over native Win32 controls: each wrapper turns one call into one or two
// window messages and converts texts with code page 932 at this edge.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "ui/controls.h"

namespace tq58::ui::win32 {

// A native control of kind `Interface` whose greying is the window's disabled state.
template <typename Interface>
class NativeControl : public Interface {
 public:
  explicit NativeControl(HWND hwnd) : hwnd_(hwnd) {}
  bool Enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

 protected:
  HWND hwnd_;
};

// A label, greyed as a whole.
using NativeLabel = NativeControl<Control>;

class NativeCheckBox : public NativeControl<CheckBox> {
 public:
  using NativeControl::NativeControl;
  bool Checked() const override;
  void SetChecked(bool checked) override;
};

// An edit box. A text set by the program is read back as the very bytes that were set while
// the user has not changed it, so a comment survives even where code page 932 maps two byte
// codes to one character.
class NativeEditBox : public NativeControl<EditBox> {
 public:
  using NativeControl::NativeControl;
  std::string Text() const override;
  void SetText(std::string_view text) override;

 private:
  std::string setBytes_;
  std::wstring setText_;
};

class NativeComboBox : public ComboBox {
 public:
  explicit NativeComboBox(HWND hwnd) : hwnd_(hwnd) {}
  void ClearItems() override;
  void AddItem(std::string_view text) override;
  int ItemCount() const override;
  int SelectedIndex() const override;
  void SetSelectedIndex(int index) override;
  std::string Text() const override;
  void SetText(std::string_view text) override;

 private:
  HWND hwnd_;
};

// A tab control; selecting from the program sends no TCN_SELCHANGING/TCN_SELCHANGE.
class NativeTabStrip : public TabStrip {
 public:
  explicit NativeTabStrip(HWND hwnd) : hwnd_(hwnd) {}
  int TabIndex() const override;
  void SetTabIndex(int index) override;

 private:
  HWND hwnd_;
};

class NativeMemo : public Memo {
 public:
  explicit NativeMemo(HWND hwnd) : hwnd_(hwnd) {}
  void SetText(std::string_view text) override;

 private:
  HWND hwnd_;
};

// The dialog's top-level window. Moving it keeps its title bar on a monitor and its bottom
// above the task bar; its messages are message boxes that it owns, and so is its colour chooser.
class NativeFormWindow : public FormWindow {
 public:
  explicit NativeFormWindow(HWND hwnd);
  int Left() const override;
  int Top() const override;
  void MoveTo(int left, int top) override;
  void Close() override;
  void ShowWarning(const UserMessage& message) override;
  bool AskYesNo(const UserMessage& message) override;
  // The chooser opens with its custom colours part shown, where a colour is typed as red, green
  // and blue.
  std::optional<int32_t> PickColor(int32_t initial) override;

 private:
  HWND hwnd_;
  // The chooser's 16 custom colours, kept from one opening to the next while the dialog runs.
  std::array<COLORREF, 16> customColors_;
};

// The text of any window as UTF-16.
std::wstring WindowText(HWND hwnd);

// True when the window's class is `className`, in any case.
bool HasClass(HWND hwnd, const wchar_t* className);

}  // namespace tq58::ui::win32
