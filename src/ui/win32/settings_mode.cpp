// The settings-mode run: the shared start-up, the dialog, the release.
#include "ui/win32/settings_mode.h"

#include <filesystem>
#include <memory>

#include "app/program_paths.h"
#include "app/program_run.h"
#include "ui/win32/settings_window.h"

namespace tq58::ui::win32 {

void RunSettingsModeBesideProgram() {
  try {
    const std::filesystem::path programFile = ProgramFile();
    if (programFile.empty()) return;  // nowhere to find or keep the settings
    const ProgramFiles files = ProgramFilesBeside(programFile);
    auto run = std::make_unique<ProgramRun>();
    StartProgramRun(*run, files);
    RunSettingsDialog(run->Store, files.SettingsFile);
    EndProgramRun(*run);
  } catch (...) {
    // Whatever the start-up, the dialog or the release threw. None of them throws anything of
    // its own, so this is the standard library's: std::bad_alloc or std::length_error when
    // memory runs out. The settings file is only ever replaced whole, so it stays as it was.
  }
}

}  // namespace tq58::ui::win32
