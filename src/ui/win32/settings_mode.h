// Settings mode of the Windows program: the program run without "1" or "2".
#pragma once

namespace tq58::ui::win32 {

// The start-up that every run shares (exchange file read, settings loaded, from beside the
// program), then the settings dialog until it closes, then the run's release. Never throws;
// when the program cannot tell its own path, it shows nothing and writes nothing.
void RunSettingsModeBesideProgram();

}  // namespace tq58::ui::win32
