// Positions, sizes, captions and tab order of the settings dialog's controls.
#include "ui/win32/dialog_layout.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "presets/presets.h"

namespace tq58::ui::win32 {
namespace {

// One line row as placed in the dialog: positions inside the row, edit boxes and lists 21
// pixels high.
struct RowColumnPlacement {
  ControlKind kind;
  int left;
  int top;
  int width;
  int height;
};

constexpr std::array<RowColumnPlacement, kRowColumns> kRowColumnPlacements = {{
    {ControlKind::CheckBox, 0, 2, 17, 17},        // CH1
    {ControlKind::NumberEdit, 16, 0, 49, 21},     // Edit1
    {ControlKind::NumberEdit, 68, 0, 49, 21},     // Edit2
    {ControlKind::CheckBox, 120, 2, 17, 17},      // CH2
    {ControlKind::ChoiceList, 136, 0, 81, 21},    // CB1
    {ControlKind::ChoiceList, 216, 0, 97, 21},    // CB2
    {ControlKind::EditableList, 312, 0, 65, 21},  // CB3
    {ControlKind::ChoiceList, 376, 0, 61, 21},    // CB4
}};

constexpr int kRowLeft = 6;
constexpr int kFirstRowTop = 64;
constexpr int kRowPitch = 24;

constexpr int kWindowControlCount = 10;

constexpr std::array<ControlPlacement, kWindowControlCount> kWindowControls = {{
    {ControlKind::Memo, kMemo1, nullptr, 460, 0, 185, 233, false},
    {ControlKind::DefaultButton, kButton1, L"ＯＫ(&Y)", 460, 240, 185, 33, true},
    {ControlKind::Button, kButton2, L"キャンセル(&N)", 460, 280, 185, 25, true},
    {ControlKind::TabStrip, kTabControl1, nullptr, 0, 0, 453, 305, true},
    // On the tab strip's page; the strip lies at the client's origin.
    {ControlKind::Label, kLabel1, L"コメント", 4, 28, 56, 13, false},
    {ControlKind::CommentEdit, kEditC, nullptr, 64, 24, 373, 21, true},
    {ControlKind::Label, kLabel2, L"間隔　　丸めＲ 図寸時ON 色", 24, 48, 182, 13, false},
    {ControlKind::Label, kLabel3, L"線種", 248, 48, 28, 13, false},
    {ControlKind::Label, kLabel4, L"線幅", 328, 48, 28, 13, false},
    {ControlKind::Label, kLabel5, L"レイヤ", 392, 48, 45, 13, false},
}};

// The options of the preset on display, in two lines below the tab strip and the buttons; in
// tab order after the rows, as they follow them on the screen. The second line's controls stand
// under the first line's, column by column.
constexpr int kOptionsTop = 312;
constexpr int kOptionsLabelTop = kOptionsTop + 4;  // text level with the boxes' text
constexpr int kSecondLineTop = kOptionsTop + 28;
constexpr int kSecondLineLabelTop = kSecondLineTop + 4;
constexpr int kCapListWidth = 84;  // wide enough for 「同心円弧」
constexpr int kOptionControlCount = 16;

// Below the options, with a margin of 4 all round.
constexpr ControlPlacement kPreviewPlacement = {
    ControlKind::PreviewArea, kPreviewArea, nullptr, 4, 372, kPreviewWidth, kPreviewHeight, false};
static_assert(kPreviewPlacement.top + kPreviewPlacement.height + 4 == kClientHeight);

constexpr std::array<ControlPlacement, kOptionControlCount> kOptionControls = {{
    {ControlKind::KeyLabel, kCornerModeLabel, L"角の丸め(&K)", 4, kOptionsLabelTop, 77, 13, false},
    {ControlKind::ChoiceList, kCornerModeList, nullptr, 82, kOptionsTop, 92, 21, true},
    {ControlKind::KeyLabel, kBaseRadiusLabel, L"基準Ｒ(&R)", 179, kOptionsLabelTop, 63, 13, false},
    {ControlKind::NumberEdit, kBaseRadiusEdit, nullptr, 243, kOptionsTop, 49, 21, true},
    {ControlKind::CheckBox, kBaseRadiusPaperSize, L"図寸(&Z)", 297, kOptionsTop + 2, 66, 17, true},
    {ControlKind::CheckBox, kFillBox, L"塗り(&F)", 369, kOptionsTop + 2, 66, 17, true},
    {ControlKind::Button, kFillColorButton, L"塗り色(&C)...", 440, kOptionsTop, 91, 21, true},
    {ControlKind::ColorSwatch, kFillColorSwatch, nullptr, 536, kOptionsTop, 49, 21, false},
    {ControlKind::KeyLabel, kStartCapLabel, L"始端(&S)", 4, kSecondLineLabelTop, 77, 13, false},
    {ControlKind::ChoiceList, kStartCapList, nullptr, 82, kSecondLineTop, kCapListWidth, 21, true},
    {ControlKind::KeyLabel, kEndCapLabel, L"終端(&E)", 179, kSecondLineLabelTop, 63, 13, false},
    {ControlKind::ChoiceList, kEndCapList, nullptr, 243, kSecondLineTop, kCapListWidth, 21, true},
    {ControlKind::KeyLabel, kJunctionLabel, L"交差部(&J)", 369, kSecondLineLabelTop, 63, 13, false},
    {ControlKind::ChoiceList, kJunctionList, nullptr, 433, kSecondLineTop, 66, 21, true},
    // A label's text wraps where it would touch its edge: a few pixels to spare.
    {ControlKind::KeyLabel, kFillLayerLabel, L"塗りレイヤ(&L)", 501, kSecondLineLabelTop, 93, 13,
     false},
    {ControlKind::ChoiceList, kFillLayerList, nullptr, 595, kSecondLineTop, 50, 21, true},
}};

constexpr int kControlCount =
    kWindowControlCount + kRowsPerPreset * kRowColumns + kOptionControlCount + 1;

constexpr std::array<ControlPlacement, kControlCount> BuildLayout() {
  std::array<ControlPlacement, kControlCount> layout{};
  std::size_t next = 0;
  for (const ControlPlacement& placement : kWindowControls) layout[next++] = placement;
  for (int row = 1; row <= kRowsPerPreset; ++row) {
    for (int column = 0; column < kRowColumns; ++column) {
      const RowColumnPlacement& inRow = kRowColumnPlacements[static_cast<std::size_t>(column)];
      layout[next++] = {inRow.kind,
                        RowControlId(row, column),
                        nullptr,
                        kRowLeft + inRow.left,
                        kFirstRowTop + kRowPitch * (row - 1) + inRow.top,
                        inRow.width,
                        inRow.height,
                        true};
    }
  }
  for (const ControlPlacement& placement : kOptionControls) layout[next++] = placement;
  layout[next++] = kPreviewPlacement;
  return layout;
}

constexpr auto kLayout = BuildLayout();

}  // namespace

std::span<const ControlPlacement> DialogLayout() { return kLayout; }

ValueChange ValueChangeOf(int id, unsigned code) {
  // The comment is no value that the preview shows; the corner mode has an event of its own.
  if (id == kEditC || id == kCornerModeList) return ValueChange::None;
  const auto placement = std::find_if(kLayout.begin(), kLayout.end(),
                                      [id](const ControlPlacement& p) { return p.id == id; });
  if (placement == kLayout.end()) return ValueChange::None;
  switch (placement->kind) {
    case ControlKind::NumberEdit:
      return code == EN_CHANGE ? ValueChange::Now : ValueChange::None;
    case ControlKind::CheckBox:
      return code == BN_CLICKED ? ValueChange::Now : ValueChange::None;
    case ControlKind::ChoiceList:
      return code == CBN_SELCHANGE ? ValueChange::Now : ValueChange::None;
    case ControlKind::EditableList:
      return code == CBN_EDITCHANGE  ? ValueChange::Now
             : code == CBN_SELCHANGE ? ValueChange::AfterSelection
                                     : ValueChange::None;
    default:
      return ValueChange::None;
  }
}

const wchar_t kDialogTitle[] = L"丸め付マルチライン　設定";
const wchar_t kApplicationTitle[] = L"tq58_丸め付マルチライン";
const wchar_t kFontFace[] = L"ＭＳ ゴシック";
const wchar_t* const kTabCaptions[util::kPresetCount] = {L"①", L"②", L"③", L"④", L"⑤", L"⑥", L"⑦",
                                                         L"⑧", L"⑨", L"⑩", L"⑪", L"⑫", L"⑬", L"⑭",
                                                         L"⑮", L"⑯", L"⑰", L"⑱", L"⑲", L"⑳"};

}  // namespace tq58::ui::win32
