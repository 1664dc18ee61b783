// The controls below the tab strip with which the options of the preset on display are edited:
// corner mode, base radius with its paper-size box, and the fill with its colour; on a second
// line, the cap at each end, the junctions and the fill's layer.
#pragma once

#include <span>

#include "presets/presets.h"
#include "ui/controls.h"
#include "ui/line_row_frame.h"

namespace tq58::ui {

// The options' controls, left to right; the view that owns them hands them in.
struct PresetOptionControls {
  ComboBox& CornerModeList;       // Corners: the selected entry, choice only
  Control& BaseRadiusLabel;       // greyed together with the base radius
  EditBox& BaseRadiusEdit;        // BaseRadius
  CheckBox& BaseRadiusPaperSize;  // BaseRadiusPaperSize
  ComboBox& StartCapList;         // StartCap: the selected entry, choice only
  ComboBox& EndCapList;           // EndCap: the selected entry, choice only
  ComboBox& JunctionList;         // Junctions: the selected entry, choice only
  CheckBox& FillBox;              // Fill
  ColorSwatch& FillColorSwatch;   // FillColor, which a button beside it lets the user choose
  ComboBox& FillLayerList;        // FillLayer: 「現在」 then the layers 0 to F, choice only
};

// Fills the five lists afresh (never appending to old entries) and shows the default options.
void FillPresetOptionLists(const PresetOptionControls& controls);

// The options as the controls hold them, with the range rules applied: a list with no entry
// selected gives the default, a base radius that is negative or no number gives 0. The
// controls are left as they are.
TPresetOptions ReadPresetOptions(const PresetOptionControls& controls);

// Shows `options`, the base radius in the general format; a value outside its list shows no
// entry selected. Greys nothing: see GreyUnusedRadii.
void ShowPresetOptions(const TPresetOptions& options, const PresetOptionControls& controls);

// Greys the radius boxes that the corner mode on screen leaves unused: each row's own radius
// in concentric mode, the base radius and its paper-size box otherwise. Their values stay.
void GreyUnusedRadii(const PresetOptionControls& controls,
                     std::span<TFrame2, kRowsPerPreset> frames);

}  // namespace tq58::ui
