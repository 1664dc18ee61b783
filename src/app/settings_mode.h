// Settings mode: the program run without "1" or "2". The dialog itself is a parameter, so that
// the start-up around it is the same with the Win32 window and with controls in memory.
#pragma once

#include <filesystem>
#include <functional>

#include "app/program_paths.h"
#include "presets/presets.h"
#include "util/text_file.h"

namespace tq58 {

// The settings dialog: opens on `store`, loaded from the settings file at `settingsFile` as
// `settingsRead` says, and runs until it closes; OK writes the file.
using SettingsDialog =
    std::function<void(PresetStore& store, const std::filesystem::path& settingsFile,
                       const util::ReadResult& settingsRead)>;

// The start-up that every run shares (exchange file read, settings loaded), then `showDialog`
// until it returns, then the run's release. Never throws: a failure before or after the dialog
// leaves the settings file as it was.
void RunSettingsMode(const ProgramFiles& files, const SettingsDialog& showDialog);

// Settings mode with the files beside the running program. When the program cannot tell its
// own path, it shows nothing and writes nothing.
void RunSettingsModeBesideProgram(const SettingsDialog& showDialog);

}  // namespace tq58
