// The dialog's keyboard: Tab and Shift+Tab in the layout's tab order, Ctrl+Tab through the
// preset tabs, Enter for the default button, Esc for cancel, Alt+Y and Alt+N.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace tq58::ui::win32 {

class DialogKeyboard {
 public:
  // `tabOrder`: the controls that Tab visits, in order. `selectTabAsUser` changes the preset
  // tab by `step` (+1 or -1) as a click on it would, raising the tab events.
  DialogKeyboard(HWND dialog, HWND okButton, HWND cancelButton, std::vector<HWND> tabOrder,
                 std::function<void(int step)> selectTabAsUser);

  // Handles `message` if it is a dialog key meant for this window; true when handled, and the
  // message must then not be dispatched.
  bool PreTranslate(const MSG& message);

 private:
  HWND FocusedControl() const;
  bool IsDroppedList(HWND control) const;
  void MoveFocus(int step);
  void Press(HWND button);

  HWND dialog_;
  HWND ok_;
  HWND cancel_;
  std::vector<HWND> tabOrder_;
  std::function<void(int)> selectTabAsUser_;
};

}  // namespace tq58::ui::win32
