// Processes, the virtual screen and xdotool for the dialog tests under Wine.
#include "dialog_driver.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "support/process.h"

extern char** environ;

namespace tq58_dialog_test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr char kWine[] = "/usr/lib/wine/wine64";
constexpr char kXvfb[] = "/usr/bin/Xvfb";
constexpr char kXdoTool[] = "/usr/bin/xdotool";
constexpr char kImport[] = "/usr/bin/import";
constexpr char kConvert[] = "/usr/bin/convert";
constexpr auto kCommandLimit = std::chrono::seconds(20);
constexpr auto kWindowWait = 90s;

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

std::string NameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

// The test's environment with `overrides` applied ("NAME=value" sets, "NAME" removes).
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& overrides) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    bool overridden = false;
    for (const std::string& o : overrides) overridden |= NameOf(o) == NameOf(*entry);
    if (!overridden) result.emplace_back(*entry);
  }
  for (const std::string& o : overrides) {
    if (o.find('=') != std::string::npos) result.push_back(o);
  }
  return result;
}

fs::path MakeTemporaryFolder(const char* prefix) {
  std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

// Runs a short command on `display`; its standard output, or "" when it failed.
std::string RunOnDisplay(const std::vector<std::string>& arguments, const std::string& display) {
  const auto result = tq58_test::RunProcess(arguments, fs::temp_directory_path(),
                                            {"DISPLAY=" + display}, kCommandLimit);
  return result.ExitStatus == 0 ? result.Stdout : std::string();
}

// The value of "NAME=value" in xdotool's --shell output.
int ShellValue(const std::string& output, const std::string& name) {
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(name + "=", 0) == 0) return std::stoi(line.substr(name.size() + 1));
  }
  return 0;
}

}  // namespace

BackgroundProcess::BackgroundProcess(const std::vector<std::string>& arguments,
                                     const fs::path& workingFolder,
                                     const std::vector<std::string>& environment, int inheritedFd) {
  // Everything the child needs is prepared before fork: after it only async-signal-safe calls.
  std::vector<std::string> argumentTexts = arguments;
  std::vector<std::string> environmentTexts = EnvironmentWith(environment);
  std::vector<char*> argv = PointersTo(argumentTexts);
  std::vector<char*> envp = PointersTo(environmentTexts);
  const std::string folder = workingFolder.string();
  pid_ = fork();
  if (pid_ == 0) {
    setpgid(0, 0);
    const int null = open("/dev/null", O_RDWR);
    if (null < 0 || dup2(null, 0) < 0 || dup2(null, 1) < 0 || dup2(null, 2) < 0 ||
        chdir(folder.c_str()) != 0 || (inheritedFd >= 0 && fcntl(inheritedFd, F_SETFD, 0) < 0)) {
      _exit(126);
    }
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  if (pid_ > 0) setpgid(pid_, pid_);
}

BackgroundProcess::~BackgroundProcess() {
  if (pid_ <= 0) return;
  // The whole group: Wine's helper processes (such as the desktop's explorer) go as well.
  kill(-pid_, SIGKILL);
  if (!ended_) waitpid(pid_, nullptr, 0);
}

bool BackgroundProcess::WaitForExit(std::chrono::milliseconds limit) {
  if (pid_ <= 0 || ended_) return ended_;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  do {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return ended_ = true;
    std::this_thread::sleep_for(50ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

std::vector<Rgb> Screenshot::Region(int left, int top, int width, int height) const {
  std::vector<Rgb> region;
  for (int y = std::max(top, 0); y < std::min(top + height, Height); ++y) {
    for (int x = std::max(left, 0); x < std::min(left + width, Width); ++x) {
      region.push_back(At(x, y));
    }
  }
  return region;
}

int Screenshot::Count(int left, int top, int width, int height, Rgb colour) const {
  int count = 0;
  for (const Rgb& pixel : Region(left, top, width, height)) count += pixel == colour ? 1 : 0;
  return count;
}

VirtualScreen::VirtualScreen(int width, int height) {
  // Xvfb picks a display number that is free and writes it to the pipe.
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return;
  server_ = std::make_unique<BackgroundProcess>(
      std::vector<std::string>{kXvfb, "-displayfd", std::to_string(pipeFds[1]), "-screen", "0",
                               std::to_string(width) + "x" + std::to_string(height) + "x24",
                               "-nolisten", "tcp"},
      fs::temp_directory_path(), std::vector<std::string>{}, pipeFds[1]);
  close(pipeFds[1]);
  std::string number;
  pollfd wait{pipeFds[0], POLLIN, 0};
  char c = 0;
  while (poll(&wait, 1, 10000) > 0 && read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
  close(pipeFds[0]);
  if (!number.empty() && c == '\n') display_ = ":" + number;
}

std::string VirtualScreen::XdoTool(const std::vector<std::string>& arguments) const {
  std::vector<std::string> command{kXdoTool};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return RunOnDisplay(command, display_);
}

Screenshot VirtualScreen::Capture(const fs::path& pngFile) const {
  Screenshot shot;
  RunOnDisplay({kImport, "-display", display_, "-window", "root", pngFile.string()}, display_);
  const fs::path raw = fs::path(pngFile).replace_extension(".rgb");
  RunOnDisplay({kConvert, pngFile.string(), "-depth", "8", "rgb:" + raw.string()}, display_);
  const std::string size =
      RunOnDisplay({kConvert, pngFile.string(), "-format", "%w %h", "info:"}, display_);
  std::istringstream(size) >> shot.Width >> shot.Height;
  std::ifstream in(raw, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  fs::remove(raw);
  if (shot.Width <= 0 || shot.Height <= 0 ||
      bytes.size() != static_cast<std::size_t>(shot.Width * shot.Height * 3)) {
    return {};
  }
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    shot.Pixels.push_back({static_cast<uint8_t>(bytes[i]), static_cast<uint8_t>(bytes[i + 1]),
                           static_cast<uint8_t>(bytes[i + 2])});
  }
  return shot;
}

DialogSession::DialogSession() : folder_(MakeTemporaryFolder("tq58_dialog_")), screen_(1024, 768) {
  if (!folder_.empty()) fs::copy_file(TQ58_WINDOWS_PROGRAM_PATH, folder_ / "tq58.exe");
}

DialogSession::~DialogSession() {
  program_.reset();  // ends the program before its folder goes
  if (!folder_.empty()) fs::remove_all(folder_);
}

void DialogSession::Start(const std::string& desktopName) {
  std::vector<std::string> command{kWine};
  if (!desktopName.empty()) {
    command.insert(command.end(), {"explorer", "/desktop=" + desktopName + ",1024x768"});
  }
  command.push_back("tq58.exe");
  program_ = std::make_unique<BackgroundProcess>(
      command, folder_,
      std::vector<std::string>{"WINEPREFIX=" TQ58_WINE_PREFIX "-dialog", "WINEDEBUG=-all",
                               "DISPLAY=" + screen_.Display(), "LANG=C.UTF-8"});
}

WindowPlace DialogSession::FindWindow(const std::string& title) const {
  WindowPlace place;
  const auto deadline = std::chrono::steady_clock::now() + kWindowWait;
  while (place.Id.empty() && std::chrono::steady_clock::now() < deadline) {
    std::istringstream(screen_.XdoTool({"search", "--name", "^" + title + "$"})) >> place.Id;
    if (place.Id.empty()) std::this_thread::sleep_for(200ms);
  }
  if (place.Id.empty()) return place;
  const std::string geometry = screen_.XdoTool({"getwindowgeometry", "--shell", place.Id});
  place.X = ShellValue(geometry, "X");
  place.Y = ShellValue(geometry, "Y");
  place.Width = ShellValue(geometry, "WIDTH");
  place.Height = ShellValue(geometry, "HEIGHT");
  return place;
}

bool DialogSession::WaitUntilGone(const std::string& title) const {
  const auto deadline = std::chrono::steady_clock::now() + kWindowWait;
  while (!screen_.XdoTool({"search", "--name", "^" + title + "$"}).empty()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(200ms);
  }
  return true;
}

bool DialogSession::WaitForExit() { return program_ && program_->WaitForExit(kWindowWait); }

void DialogSession::Focus(const WindowPlace& window) const {
  screen_.XdoTool({"windowfocus", "--sync", window.Id});
  // Wine can lose the first key that reaches a newly focused window; a lone Shift is that key.
  screen_.XdoTool({"key", "shift"});
}

void DialogSession::Click(int x, int y) const {
  screen_.XdoTool({"mousemove", "--sync", std::to_string(x), std::to_string(y), "click", "1"});
}

void DialogSession::Keys(const std::vector<std::string>& keys) const {
  std::vector<std::string> arguments{"key", "--delay", "40"};
  arguments.insert(arguments.end(), keys.begin(), keys.end());
  screen_.XdoTool(arguments);
}

void DialogSession::Type(const std::string& utf8Text) const {
  screen_.XdoTool({"type", "--delay", "60", "--", utf8Text});  // "--": a text may start with "-"
}

PrefixLock::PrefixLock() {
  fd_ = open(TQ58_WINE_PREFIX "-dialog/tq58-dialog-tests.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ >= 0) flock(fd_, LOCK_EX);
}

PrefixLock::~PrefixLock() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace tq58_dialog_test
