// The settings-mode run: the shared start-up, the dialog, the release.
#include "app/settings_mode.h"

#include <memory>
#include <optional>

#include "app/program_run.h"

namespace tq58 {

void RunSettingsMode(const ProgramFiles& files, const SettingsDialog& showDialog) {
  try {
    auto run = std::make_unique<ProgramRun>();
    StartProgramRun(*run, files);
    showDialog(run->Store, files.SettingsFile);
    EndProgramRun(*run);
  } catch (...) {
    // Out of memory before or after the dialog: the settings file stays as it was.
  }
}

void RunSettingsModeBesideProgram(const SettingsDialog& showDialog) {
  // Without a place to find or keep the settings, there is nothing to show.
  if (const std::optional<ProgramFiles> files = FilesBesideRunningProgram()) {
    RunSettingsMode(*files, showDialog);
  }
}

}  // namespace tq58
