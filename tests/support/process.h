// Running a built program as the host does: its own argument vector, no shell, another
// working directory, and a time limit.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace tq58_test {

struct ProcessResult {
  bool Started = false;
  bool TimedOut = false;  // killed at the time limit
  int ExitStatus = -1;    // the status of a normal exit, -1 otherwise
  std::string Stdout;
  std::string Stderr;
  std::chrono::milliseconds Elapsed{0};
};

// Runs `arguments[0]` with `arguments` as its argument vector in `workingFolder`, with the
// test's environment changed by `environment`: "NAME=value" sets a variable, "NAME" removes it.
// Output is collected through files so that a helper process that outlives the program (wineserver)
// cannot hold it up.
ProcessResult RunProcess(const std::vector<std::string>& arguments,
                         const std::filesystem::path& workingFolder,
                         const std::vector<std::string>& environment,
                         std::chrono::seconds timeLimit);

}  // namespace tq58_test
