// Drives the Windows program's settings dialog under Wine as a person would: a virtual X
// screen of its own, the mouse and the keyboard through xdotool, screenshots through import.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tq58_dialog_test {

// A program started in the background in its own process group; ended with its group when
// the object goes.
class BackgroundProcess {
 public:
  // `environment` as for tq58_test::RunProcess: "NAME=value" sets, "NAME" removes. The file
  // descriptor `inheritedFd` (if not -1) stays open in the child.
  BackgroundProcess(const std::vector<std::string>& arguments,
                    const std::filesystem::path& workingFolder,
                    const std::vector<std::string>& environment, int inheritedFd = -1);
  BackgroundProcess(const BackgroundProcess&) = delete;
  BackgroundProcess& operator=(const BackgroundProcess&) = delete;
  ~BackgroundProcess();

  bool Started() const { return pid_ > 0; }
  // True once the process has ended, waiting at most `limit` for it.
  bool WaitForExit(std::chrono::milliseconds limit);

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
};

struct Rgb {
  uint8_t Red, Green, Blue;
  bool operator==(const Rgb&) const = default;
};

// A screenshot's pixels.
struct Screenshot {
  int Width = 0;
  int Height = 0;
  std::vector<Rgb> Pixels;  // row by row from the top left

  Rgb At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
  // The pixels of a rectangle (its part on the screenshot), row by row, for comparing two
  // screenshots' regions.
  std::vector<Rgb> Region(int left, int top, int width, int height) const;
  // How many pixels of a rectangle have exactly `colour`.
  int Count(int left, int top, int width, int height, Rgb colour) const;
};

// A virtual X screen (Xvfb) on a display number that no other server uses.
class VirtualScreen {
 public:
  VirtualScreen(int width, int height);

  bool Started() const { return !display_.empty(); }
  const std::string& Display() const { return display_; }
  // xdotool with `arguments` on this screen; its standard output, or "" when it failed.
  std::string XdoTool(const std::vector<std::string>& arguments) const;
  // Saves the whole screen as a PNG file and returns its pixels.
  Screenshot Capture(const std::filesystem::path& pngFile) const;

 private:
  std::string display_;
  std::unique_ptr<BackgroundProcess> server_;
};

// Where a window lies on the screen, in pixels.
struct WindowPlace {
  std::string Id;  // xdotool's window id, "" when no window was found
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
};

// The folder with a copy of tq58.exe, and the program's runs in it on one virtual screen.
class DialogSession {
 public:
  DialogSession();
  DialogSession(const DialogSession&) = delete;
  DialogSession& operator=(const DialogSession&) = delete;
  ~DialogSession();

  bool Ready() const { return screen_.Started(); }
  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path SettingsFile() const { return folder_ / "tq58.dat"; }
  const VirtualScreen& Screen() const { return screen_; }

  // Starts tq58.exe without argument; with `desktopName`, inside a Wine desktop of that name
  // (which draws the title bar), otherwise as a window of its own.
  void Start(const std::string& desktopName = "");
  // The first window whose whole title is `title` (UTF-8), waited for a few seconds.
  WindowPlace FindWindow(const std::string& title) const;
  // True once no window has the whole title `title` any more, waited for a few seconds.
  bool WaitUntilGone(const std::string& title) const;
  // True once the program has ended, waited for a few seconds.
  bool WaitForExit();

  // The person's actions. Positions are screen pixels.
  void Focus(const WindowPlace& window) const;
  void Click(int x, int y) const;
  void Keys(const std::vector<std::string>& keys) const;
  void Type(const std::string& utf8Text) const;

 private:
  std::filesystem::path folder_;
  VirtualScreen screen_;
  std::unique_ptr<BackgroundProcess> program_;
};

// Holds the lock that lets one dialog test at a time use the Wine prefix's display side.
class PrefixLock {
 public:
  PrefixLock();
  PrefixLock(const PrefixLock&) = delete;
  PrefixLock& operator=(const PrefixLock&) = delete;
  ~PrefixLock();

 private:
  int fd_ = -1;
};

}  // namespace tq58_dialog_test
