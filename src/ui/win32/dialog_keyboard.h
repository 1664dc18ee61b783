// The dialog's keyboard: Tab and Shift+Tab in the layout's tab order, Ctrl+Tab through the
// preset tabs, Enter for the focused push button or else the default one, Esc for cancel, and the
// Alt keys of the captions.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace tq58::ui::win32 {

// What an Alt key does to its control.
enum class AccessAction {
  Press,  // a push button: pressed
  Click,  // a check box: focused and toggled, as a click does
  Focus,  // the control that a label names: focused, its text selected
};

struct AccessKey {
  WPARAM key;  // the virtual-key code of the letter, 'A' to 'Z'
  HWND control;
  AccessAction action;
};

// The controls that the keyboard reaches.
struct KeyboardTargets {
  std::vector<HWND> tabOrder;  // the controls that Tab visits, in order
  std::vector<AccessKey> accessKeys;
};

class DialogKeyboard {
 public:
  // `selectTabAsUser` changes the preset tab by `step` (+1 or -1) as a click on it would,
  // raising the tab events.
  DialogKeyboard(HWND dialog, HWND okButton, HWND cancelButton, KeyboardTargets targets,
                 std::function<void(int step)> selectTabAsUser);

  // Handles `message` if it is a dialog key meant for this window; true when handled, and the
  // message must then not be dispatched.
  bool PreTranslate(const MSG& message);

 private:
  HWND FocusedControl() const;
  bool IsDroppedList(HWND control) const;
  bool UseAccessKey(WPARAM key);
  // Focuses the next control in tab order after `from` (`step` +1) or before it (-1) that is
  // visible and enabled; from the first or last when `from` is none of them.
  void MoveFocus(HWND from, int step);
  void Press(HWND button);

  HWND dialog_;
  HWND ok_;
  HWND cancel_;
  KeyboardTargets targets_;
  std::function<void(int)> selectTabAsUser_;
};

}  // namespace tq58::ui::win32
