// fork and exec with a time limit; the child gets its own process group so that the whole
// group it started can be ended when it hangs.
#include "support/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string_view>
#include <thread>

extern char** environ;

namespace tq58_test {
namespace {

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// The name of an environment entry "NAME=value", or the entry itself when it has no "=".
std::string_view NameOf(std::string_view entry) { return entry.substr(0, entry.find('=')); }

// True when one of `overrides` sets or removes the name of `entry`.
bool IsOverridden(std::string_view entry, const std::vector<std::string>& overrides) {
  for (const std::string& override : overrides) {
    if (NameOf(override) == NameOf(entry)) return true;
  }
  return false;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& arguments,
                         const std::filesystem::path& workingFolder,
                         const std::vector<std::string>& environment,
                         std::chrono::seconds timeLimit) {
  ProcessResult result;
  std::string outputTemplate =
      (std::filesystem::temp_directory_path() / "tq58_process_XXXXXX").string();
  if (mkdtemp(outputTemplate.data()) == nullptr) return result;
  const std::filesystem::path outputFolder(outputTemplate);
  const std::string stdoutPath = (outputFolder / "stdout").string();
  const std::string stderrPath = (outputFolder / "stderr").string();

  // Everything the child needs is prepared before fork: after it only async-signal-safe calls.
  std::vector<std::string> argumentTexts = arguments;
  std::vector<std::string> environmentTexts;
  for (const std::string& override : environment) {
    if (override.find('=') != std::string::npos) environmentTexts.push_back(override);
  }
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!IsOverridden(*entry, environment)) environmentTexts.emplace_back(*entry);
  }
  std::vector<char*> argv = PointersTo(argumentTexts);
  std::vector<char*> envp = PointersTo(environmentTexts);
  const std::string folder = workingFolder.string();

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    setpgid(0, 0);
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
        chdir(folder.c_str()) != 0) {
      _exit(126);
    }
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  if (child < 0) {
    std::filesystem::remove_all(outputFolder);
    return result;
  }
  result.Started = true;
  setpgid(child, child);

  int status = 0;
  for (;;) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (std::chrono::steady_clock::now() - start > timeLimit) {
      kill(-child, SIGKILL);
      waitpid(child, &status, 0);
      result.TimedOut = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  result.Elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  if (!result.TimedOut && WIFEXITED(status)) result.ExitStatus = WEXITSTATUS(status);
  result.Stdout = ReadWholeFile(stdoutPath);
  result.Stderr = ReadWholeFile(stderrPath);
  std::filesystem::remove_all(outputFolder);
  return result;
}

}  // namespace tq58_test
