// The settings dialog's window and controls as one table: kind, caption, position and size in
// client pixels, in tab order. The window is built from it and nothing else.
#pragma once

#include <span>

#include "util/host_limits.h"

namespace tq58::ui::win32 {

// The tab strip with its ten rows of eight columns, then the help text and the buttons.
inline constexpr int kClientWidth = 649;
// 312 for the tab strip and the buttons, two lines of 28 for the options below them, and the
// preview area of 300 below that with a margin of 4 above and below: with its title bar and
// borders the window still fits a screen of 768 pixels less a task bar.
inline constexpr int kClientHeight = 676;
inline constexpr int kFontHeight = 13;          // character height in pixels
inline constexpr int kListItemHeight = 13;      // entries of the row lists
inline constexpr int kDroppedListHeight = 220;  // a row list opened for choosing
inline constexpr int kTabWidth = 26;
inline constexpr int kTabHeight = 20;
// The preview area below the options, as wide as the tab strip and the buttons together.
inline constexpr int kPreviewWidth = kClientWidth - 8;
inline constexpr int kPreviewHeight = 300;

enum class ControlKind {
  Memo,           // read-only multi-line text, vertical scroll bar, no word wrap
  DefaultButton,  // pressed by Enter
  Button,
  TabStrip,
  Label,
  KeyLabel,      // label whose letter after "&" is the Alt key of the next control in tab order
  CommentEdit,   // single-line edit that takes Japanese input
  NumberEdit,    // single-line edit with the input method off
  CheckBox,      // its caption, if any, right of the box; "&" marks its Alt key
  ChoiceList,    // drop-down list, choice only, input method off
  EditableList,  // drop-down list with an edit field, input method off
  PreviewArea,   // draws the page on display; takes no input
  ColorSwatch,   // shows a colour; takes no input
};

// Control ids; a row's controls are kFirstRowId + 10 * (row - 1) + column (0..7).
enum ControlId : int {
  kButton1 = 1,  // IDOK
  kButton2 = 2,  // IDCANCEL
  kMemo1 = 100,
  kTabControl1,
  kLabel1,
  kEditC,
  kLabel2,
  kLabel3,
  kLabel4,
  kCornerModeLabel,
  kCornerModeList,
  kBaseRadiusLabel,
  kBaseRadiusEdit,
  kBaseRadiusPaperSize,
  kStartCapLabel,
  kStartCapList,
  kEndCapLabel,
  kEndCapList,
  kJunctionLabel,
  kJunctionList,
  kFillBox,
  kFillColorButton,
  kFillColorSwatch,
  kPreviewArea,
  kLabel5,
  kFillLayerLabel,
  kFillLayerList,
  kFirstRowId = 200,
};

inline constexpr int kRowColumns = 8;  // CH1, Edit1, Edit2, CH2, CB1, CB2, CB3, CB4

constexpr int RowControlId(int row, int column) { return kFirstRowId + 10 * (row - 1) + column; }

struct ControlPlacement {
  ControlKind kind;
  int id;
  const wchar_t* caption;  // nullptr for none; in a button's, "&" marks its Alt key
  int left;
  int top;
  int width;
  int height;
  bool tabStop;
};

// Every control of the dialog, in tab order.
std::span<const ControlPlacement> DialogLayout();

// What the dialog does on notification `code` (of a WM_COMMAND) from control `id`.
enum class ValueChange {
  None,           // not a value of the page that the user changed
  Now,            // the control holds the new value: draw the page anew
  AfterSelection  // an editable list's text follows its selection only after this message
};
ValueChange ValueChangeOf(int id, unsigned code);

extern const wchar_t kDialogTitle[];
extern const wchar_t kApplicationTitle[];
extern const wchar_t kFontFace[];
// The captions of the tabs, one a preset: "①" to "⑳".
extern const wchar_t* const kTabCaptions[util::kPresetCount];

}  // namespace tq58::ui::win32
