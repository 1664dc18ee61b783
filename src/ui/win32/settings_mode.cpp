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
    // Out of memory before or after the dialog: the settings file stays as it was.
  }
}

}  // namespace tq58::ui::win32
