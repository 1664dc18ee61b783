// Runs a program several times and reports its wall time and peak memory.
//
//   tq58_measure RUNS [--restore SOURCE TARGET] -- PROGRAM [ARGUMENTS...]
//
// Before each run SOURCE is copied over TARGET (untimed), so that a program that rewrites its
// input file gets the same input every time. The program's standard output is discarded.
// Prints one line: the median and the fastest wall time in seconds, and the largest peak
// resident set of any run in KiB.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double seconds = 0.0;
  long peakKiB = 0;
};

// Runs the program once with its standard output thrown away.
bool RunOnce(char** program, Run& run) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, program[0], &actions, nullptr, program, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return false;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakKiB = usage.ru_maxrss;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s RUNS [--restore SOURCE TARGET] -- PROGRAM [ARGS...]\n",
                 argv[0]);
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  int next = 2;
  const char* source = nullptr;
  const char* target = nullptr;
  if (std::strcmp(argv[next], "--restore") == 0 && argc > next + 3) {
    source = argv[next + 1];
    target = argv[next + 2];
    next += 3;
  }
  if (std::strcmp(argv[next], "--") != 0 || next + 1 >= argc) {
    std::fprintf(stderr, "%s: expected -- PROGRAM\n", argv[0]);
    return 2;
  }
  char** program = argv + next + 1;

  std::vector<double> seconds;
  long peakKiB = 0;
  for (int i = 0; i < runs; ++i) {
    if (source != nullptr) {
      std::error_code error;
      std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing,
                                 error);
      if (error) {
        std::fprintf(stderr, "%s: cannot copy %s: %s\n", argv[0], source, error.message().c_str());
        return 1;
      }
    }
    Run run;
    if (!RunOnce(program, run)) {
      std::fprintf(stderr, "%s: %s failed\n", argv[0], program[0]);
      return 1;
    }
    seconds.push_back(run.seconds);
    peakKiB = std::max(peakKiB, run.peakKiB);
  }
  std::sort(seconds.begin(), seconds.end());
  std::printf("%.6f %.6f %ld\n", seconds[seconds.size() / 2], seconds.front(), peakKiB);
  return 0;
}
