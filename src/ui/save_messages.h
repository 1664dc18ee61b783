// What OK tells the user when it cannot simply save: the reason a save failed, and the
// question before it overwrites a settings file that another run has saved meanwhile.
#pragma once

#include <string_view>

#include "ui/controls.h"
#include "util/text_file.h"

namespace tq58::ui {

// The warning that the settings file at `settingsFile` (its full path, Shift-JIS) could not
// be saved for the reason in `result`, and that the edits are still in the dialog.
UserMessage SaveFailedMessage(std::string_view settingsFile, const MyFunc::WriteResult& result);

// The question whether to overwrite the settings file at `settingsFile`, which another run
// has saved since this dialog read it.
UserMessage OverwriteQuestion(std::string_view settingsFile);

}  // namespace tq58::ui
