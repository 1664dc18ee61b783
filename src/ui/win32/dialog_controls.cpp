// The dialog's native controls, created from the layout table with their font and styles.
#include "ui/win32/dialog_controls.h"

// After windows.h (through the header), which they need.
#include <commctrl.h>
#include <imm.h>

#include <cwchar>

#include "presets/presets.h"
#include "ui/win32/color_swatch.h"
#include "ui/win32/dialog_layout.h"
#include "ui/win32/preview_area.h"
#include "ui/win32/scoped_handles.h"

namespace tq58::ui::win32 {
namespace {

constexpr UINT_PTR kTabPageSubclassId = 1;
constexpr int kComboFrameHeight = 6;  // the closed combo box around its selection field

struct NativeKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

NativeKind NativeKindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Memo:
      return {L"EDIT", WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
              WS_EX_CLIENTEDGE};
    case ControlKind::DefaultButton:
      return {L"BUTTON", BS_DEFPUSHBUTTON, 0};
    case ControlKind::Button:
      return {L"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::TabStrip:
      // Drawn beneath the page's controls, never over them.
      return {WC_TABCONTROLW, WS_CLIPSIBLINGS | TCS_FIXEDWIDTH | TCS_SINGLELINE, 0};
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::KeyLabel:
      return {L"STATIC", SS_LEFT, 0};
    case ControlKind::CommentEdit:
    case ControlKind::NumberEdit:
      return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX, 0};
    case ControlKind::ChoiceList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ControlKind::EditableList:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case ControlKind::PreviewArea:
      return {kPreviewAreaClass, 0, WS_EX_CLIENTEDGE};
    case ControlKind::ColorSwatch:
      return {kColorSwatchClass, 0, WS_EX_CLIENTEDGE};
  }
  return {L"STATIC", 0, 0};
}

// The letter after "&" in `caption` as its virtual-key code, or 0 for none.
WPARAM AccessKeyOf(const wchar_t* caption) {
  const wchar_t* mark = caption != nullptr ? std::wcschr(caption, L'&') : nullptr;
  return mark != nullptr && mark[1] >= L'A' && mark[1] <= L'Z' ? static_cast<WPARAM>(mark[1]) : 0;
}

bool IsList(ControlKind kind) {
  return kind == ControlKind::ChoiceList || kind == ControlKind::EditableList;
}

bool TakesNoInputMethod(ControlKind kind) {
  return kind == ControlKind::NumberEdit || IsList(kind);
}

// The tab strip's page is white like the rest of the window, whatever the visual style.
LRESULT CALLBACK TabPageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, TabPageProc, kTabPageSubclassId);
  const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
  if (message == WM_PAINT) {
    RECT page{};
    GetClientRect(hwnd, &page);
    TabCtrl_AdjustRect(hwnd, FALSE, &page);
    const ScopedWindowDc dc(hwnd);
    FillRect(dc.get(), &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  return result;
}

}  // namespace

ScopedFont CreateDialogFont() {
  return ScopedFont(CreateFontW(-kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, kFontFace));
}

KeyboardTargets CreateDialogControls(HWND dialog, HINSTANCE instance, HFONT font) {
  KeyboardTargets targets;
  WPARAM labelKey = 0;  // a label's Alt key, waiting for the control it names
  for (const ControlPlacement& placement : DialogLayout()) {
    const NativeKind native = NativeKindOf(placement.kind);
    // A combo box's height includes its opened list; the closed box gets the table's height.
    const int height =
        IsList(placement.kind) ? placement.height + kDroppedListHeight : placement.height;
    const DWORD style = WS_CHILD | WS_VISIBLE | native.style | (placement.tabStop ? WS_TABSTOP : 0);
    const HWND control = CreateWindowExW(
        native.exStyle, native.className, placement.caption != nullptr ? placement.caption : L"",
        style, placement.left, placement.top, placement.width, height, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (placement.tabStop) {
      targets.tabOrder.push_back(control);
      if (labelKey != 0) targets.accessKeys.push_back({labelKey, control, AccessAction::Focus});
      labelKey = 0;
    }
    const WPARAM key = AccessKeyOf(placement.caption);
    if (placement.kind == ControlKind::KeyLabel) {
      labelKey = key;
    } else if (key != 0) {
      const bool checkBox = placement.kind == ControlKind::CheckBox;
      targets.accessKeys.push_back(
          {key, control, checkBox ? AccessAction::Click : AccessAction::Press});
    }
    if (IsList(placement.kind)) {
      SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                   placement.height - kComboFrameHeight);
      SendMessageW(control, CB_SETITEMHEIGHT, 0, kListItemHeight);
    }
    if (TakesNoInputMethod(placement.kind)) {
      ImmAssociateContext(control, nullptr);
      COMBOBOXINFO combo{};
      combo.cbSize = sizeof combo;
      if (placement.kind == ControlKind::EditableList && GetComboBoxInfo(control, &combo)) {
        ImmAssociateContext(combo.hwndItem, nullptr);
      }
    }
  }

  const HWND tabs = GetDlgItem(dialog, kTabControl1);
  SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(kTabWidth, kTabHeight));
  for (int index = 0; index < kPresetCount; ++index) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(kTabCaptions[index]);
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
  }
  SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowSubclass(tabs, TabPageProc, kTabPageSubclassId, 0);
  return targets;
}

}  // namespace tq58::ui::win32
