// The settings dialog as a real Win32 window (Windows build only).
#pragma once

#include <filesystem>

#include "presets/presets.h"
#include "util/text_file.h"

namespace tq58::ui::win32 {

// Opens the settings dialog on `store`, loaded from the settings file at `settingsFileName`
// as `settingsRead` says, and runs it until OK, cancel or the close box; OK writes the file.
// Returns when the window has closed.
void RunSettingsDialog(PresetStore& store, const std::filesystem::path& settingsFileName,
                       const util::ReadResult& settingsRead);

}  // namespace tq58::ui::win32
