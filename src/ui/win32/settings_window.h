// The settings dialog as a real Win32 window (Windows build only).
#pragma once

#include <filesystem>

#include "multiline/presets.h"

namespace tq58::ui::win32 {

// Opens the settings dialog on `store` and runs it until OK, cancel or the close box; OK
// writes the settings file at `settingsFileName`. Returns when the window has closed.
void RunSettingsDialog(PresetStore& store, const std::filesystem::path& settingsFileName);

}  // namespace tq58::ui::win32
