// Dialog keys handled in the message loop, before the focused control sees them. The window is
// not a dialog-manager dialog: the tab strip must be drawn beneath its page's controls yet come
// before them in the tab order, which the dialog manager's z-order walk cannot give.
#include "ui/win32/dialog_keyboard.h"

#include <algorithm>
#include <utility>

namespace tq58::ui::win32 {
namespace {

bool KeyIsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

bool HasClass(HWND hwnd, const wchar_t* className) {
  wchar_t name[32] = {};
  GetClassNameW(hwnd, name, 32);
  return lstrcmpiW(name, className) == 0;
}

}  // namespace

DialogKeyboard::DialogKeyboard(HWND dialog, HWND okButton, HWND cancelButton,
                               std::vector<HWND> tabOrder,
                               std::function<void(int step)> selectTabAsUser)
    : dialog_(dialog),
      ok_(okButton),
      cancel_(cancelButton),
      tabOrder_(std::move(tabOrder)),
      selectTabAsUser_(std::move(selectTabAsUser)) {}

bool DialogKeyboard::PreTranslate(const MSG& message) {
  if (message.hwnd != dialog_ && !IsChild(dialog_, message.hwnd)) return false;
  if (message.message == WM_SYSKEYDOWN) {
    // Alt with the underlined letter of a button caption.
    const HWND button = message.wParam == 'Y' ? ok_ : message.wParam == 'N' ? cancel_ : nullptr;
    if (button == nullptr) return false;
    Press(button);
    return true;
  }
  if (message.message != WM_KEYDOWN) return false;
  const HWND focused = FocusedControl();
  switch (message.wParam) {
    case VK_TAB:
      if (KeyIsDown(VK_CONTROL)) {
        selectTabAsUser_(KeyIsDown(VK_SHIFT) ? -1 : 1);
      } else {
        MoveFocus(KeyIsDown(VK_SHIFT) ? -1 : 1);
      }
      return true;
    case VK_RETURN:
      if (IsDroppedList(focused)) return false;  // Enter picks the entry and closes the list
      Press(focused == cancel_ ? cancel_ : ok_);
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

void DialogKeyboard::MoveFocus(int step) {
  if (tabOrder_.empty()) return;
  const auto count = static_cast<int>(tabOrder_.size());
  const auto found = std::find(tabOrder_.begin(), tabOrder_.end(), FocusedControl());
  int index = found == tabOrder_.end() ? (step > 0 ? -1 : count)
                                       : static_cast<int>(found - tabOrder_.begin());
  for (int tries = 0; tries < count; ++tries) {
    index = (index + step + count) % count;
    const HWND next = tabOrder_[static_cast<std::size_t>(index)];
    if (!IsWindowVisible(next) || !IsWindowEnabled(next)) continue;
    SetFocus(next);
    // As in every dialog, an edit field reached by Tab has its text selected for retyping.
    if (HasClass(next, L"Edit")) SendMessageW(next, EM_SETSEL, 0, -1);
    if (HasClass(next, L"ComboBox")) SendMessageW(next, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    return;
  }
}

void DialogKeyboard::Press(HWND button) {
  SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

}  // namespace tq58::ui::win32
