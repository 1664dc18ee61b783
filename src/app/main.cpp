// Entry point of tq58: the host starts it with "1" or "2" for a transformation, perhaps with
// "/pN" after it to draw preset N, "/s" to draw along the selected lines and "/r" to turn
// them round; without either it is the settings dialog. The exit status is 0 in every case.
#include "app/program_run.h"
#include "app/run_mode.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>

#include "app/settings_mode.h"
#include "ui/win32/settings_window.h"

namespace {

// Lets Windows load DLLs that the program asks for later (the common controls' helpers, the
// input method) only from the system folder, never from the program's folder, which is often
// a Downloads folder where another program may have left a DLL of the same name. The call is
// looked up at run time: Windows versions without it still start, as before.
void LoadDllsOnlyFromSystemFolder() {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return;
  using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
  // Through the generic function pointer type, which GCC lets stand for any other.
  const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesCall>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (setDefaultDllDirectories != nullptr) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

// A GUI-subsystem program: a transformation creates no window at all. This is the one place
// that wires the Win32 dialog into the settings mode.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  LoadDllsOnlyFromSystemFolder();
  const int32_t runMode = tq58::RunModeOf(__argc, __wargv);
  if (runMode == tq58::kSettingsMode) {
    tq58::RunSettingsModeBesideProgram(tq58::ui::win32::RunSettingsDialog);
  } else {
    tq58::RunTransformationBesideProgram(runMode, tq58::TransformOptionsOf(__argc, __wargv));
  }
  return 0;
}
#else
#include <cstdio>

int main(int argc, char** argv) {
  const int32_t runMode = tq58::RunModeOf(argc, argv);
  if (runMode == tq58::kSettingsMode) {
    std::fputs(
        "tq58: the settings dialog is part of the Windows build (tq58.exe); run with 1 or 2 "
        "to transform.\n",
        stderr);
    return 0;
  }
  tq58::RunTransformationBesideProgram(runMode, tq58::TransformOptionsOf(argc, argv));
  return 0;
}
#endif
