// What the dialog tells the user when it cannot simply load or save: the reason the settings
// file could not be read or saved, and the questions before OK overwrites a settings file that
// another run has saved meanwhile or that could not be read.
#pragma once

#include <string_view>

#include "ui/controls.h"
#include "util/text_file.h"

namespace tq58::ui {

// The warning that the settings file at `settingsFile` (its full path, Shift-JIS) could not
// be saved for the reason in `result`, and that the edits are still in the dialog.
UserMessage SaveFailedMessage(std::string_view settingsFile, const util::WriteResult& result);

// The question whether to overwrite the settings file at `settingsFile`, which another run
// has saved since this dialog read it.
UserMessage OverwriteQuestion(std::string_view settingsFile);

// The warning at opening that the settings file at `settingsFile` is there but could not be
// read for the reason in `result`, so that the presets shown are the start values.
UserMessage LoadFailedMessage(std::string_view settingsFile, const util::ReadResult& result);

// The question whether to overwrite the settings file at `settingsFile`, which this dialog
// could not read at opening.
UserMessage ReplaceUnreadQuestion(std::string_view settingsFile);

}  // namespace tq58::ui
