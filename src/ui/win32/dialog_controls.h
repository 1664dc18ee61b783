// Creating the settings dialog's native controls from its layout table.
#pragma once

#include <windows.h>

#include "ui/win32/dialog_keyboard.h"
#include "ui/win32/scoped_handles.h"

namespace tq58::ui::win32 {

// "ＭＳ ゴシック", character height 13 pixels, Shift-JIS character set, regular.
ScopedFont CreateDialogFont();

// Creates every control of the layout table on `dialog` in `font`: the edit boxes and lists
// for numbers with the input method off, the tab strip with its 20 tabs beneath the page's
// controls. Returns the controls that Tab visits, in tab order, and the Alt keys of the
// captions with the controls they reach.
KeyboardTargets CreateDialogControls(HWND dialog, HINSTANCE instance, HFONT font);

}  // namespace tq58::ui::win32
