// Dialog keys handled in the message loop, before the focused control sees them. The window is
// not a dialog-manager dialog: the tab strip must be drawn beneath its page's controls yet come
// before them in the tab order, which the dialog manager's z-order walk cannot give.
#include "ui/win32/dialog_keyboard.h"

#include <algorithm>
#include <utility>

#include "ui/win32/native_controls.h"

namespace tq58::ui::win32 {
namespace {

bool KeyIsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

bool IsPushButton(HWND control) {
  if (control == nullptr || !HasClass(control, L"Button")) return false;
  const auto type = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// Focuses `control`; as in every dialog, an edit field reached by the keyboard has its text
// selected for retyping.
void FocusControl(HWND control) {
  SetFocus(control);
  if (HasClass(control, L"Edit")) SendMessageW(control, EM_SETSEL, 0, -1);
  if (HasClass(control, L"ComboBox")) SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

}  // namespace

DialogKeyboard::DialogKeyboard(HWND dialog, HWND okButton, HWND cancelButton,
                               KeyboardTargets targets,
                               std::function<void(int step)> selectTabAsUser)
    : dialog_(dialog),
      ok_(okButton),
      cancel_(cancelButton),
      targets_(std::move(targets)),
      selectTabAsUser_(std::move(selectTabAsUser)) {}

bool DialogKeyboard::PreTranslate(const MSG& message) {
  if (message.hwnd != dialog_ && !IsChild(dialog_, message.hwnd)) return false;
  if (message.message == WM_SYSKEYDOWN) return UseAccessKey(message.wParam);
  if (message.message != WM_KEYDOWN) return false;
  const HWND focused = FocusedControl();
  switch (message.wParam) {
    case VK_TAB:
      if (KeyIsDown(VK_CONTROL)) {
        selectTabAsUser_(KeyIsDown(VK_SHIFT) ? -1 : 1);
        // The preset now shown may grey the radius box that had the focus, which took the focus
        // away: it passes on to the next control, as Tab would.
        if (focused != nullptr && !IsWindowEnabled(focused)) MoveFocus(focused, 1);
      } else {
        MoveFocus(focused, KeyIsDown(VK_SHIFT) ? -1 : 1);
      }
      return true;
    case VK_RETURN:
      if (IsDroppedList(focused)) return false;  // Enter picks the entry and closes the list
      // As in every dialog, Enter presses the push button that has the focus, else OK.
      Press(IsPushButton(focused) ? focused : ok_);
      return true;
    case VK_ESCAPE:
      if (IsDroppedList(focused)) return false;  // Esc closes the open list first
      Press(cancel_);
      return true;
    default:
      return false;
  }
}

// The dialog's own child that has the focus, or holds it (the edit field of a combo box).
HWND DialogKeyboard::FocusedControl() const {
  HWND hwnd = GetFocus();
  while (hwnd != nullptr && GetParent(hwnd) != dialog_) hwnd = GetParent(hwnd);
  return hwnd;
}

bool DialogKeyboard::IsDroppedList(HWND control) const {
  return control != nullptr && HasClass(control, L"ComboBox") &&
         SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

// Alt with the underlined letter of a caption. A greyed control takes none: the key is left
// to the system, which beeps.
bool DialogKeyboard::UseAccessKey(WPARAM key) {
  const auto& keys = targets_.accessKeys;
  const auto found =
      std::find_if(keys.begin(), keys.end(), [key](const AccessKey& k) { return k.key == key; });
  if (found == keys.end() || !IsWindowEnabled(found->control)) return false;
  switch (found->action) {
    case AccessAction::Press:
      Press(found->control);
      break;
    case AccessAction::Click:
      SetFocus(found->control);
      SendMessageW(found->control, BM_CLICK, 0, 0);
      break;
    case AccessAction::Focus:
      FocusControl(found->control);
      break;
  }
  return true;
}

void DialogKeyboard::MoveFocus(HWND from, int step) {
  const auto& order = targets_.tabOrder;
  if (order.empty()) return;
  const auto count = static_cast<int>(order.size());
  const auto found = std::find(order.begin(), order.end(), from);
  int index =
      found == order.end() ? (step > 0 ? -1 : count) : static_cast<int>(found - order.begin());
  for (int tries = 0; tries < count; ++tries) {
    index = (index + step + count) % count;
    const HWND next = order[static_cast<std::size_t>(index)];
    if (!IsWindowVisible(next) || !IsWindowEnabled(next)) continue;
    FocusControl(next);
    return;
  }
}

void DialogKeyboard::Press(HWND button) {
  SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

}  // namespace tq58::ui::win32
