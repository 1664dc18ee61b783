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
    showDialog(run->Store, files.SettingsFile, run->SettingsRead);
    EndProgramRun(*run);
  } catch (...) {
    // Whatever the start-up, the dialog or the release threw. None of them throws anything of
    // its own, so this is the standard library's: std::bad_alloc or std::length_error when
    // memory runs out. The settings file is only ever replaced whole, so it stays as it was.
  }
}

void RunSettingsModeBesideProgram(const SettingsDialog& showDialog) {
  // Without a place to find or keep the settings, there is nothing to show.
  if (const std::optional<ProgramFiles> files = FilesBesideRunningProgram()) {
    RunSettingsMode(*files, showDialog);
  }
}

}  // namespace tq58
