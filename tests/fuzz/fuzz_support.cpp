// Scratch files, line splitting and the invariant check of the fuzz targets.
#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

namespace tq58::fuzz {
namespace {

// The scratch folder, removed when the fuzzer exits normally; one per process, so that
// parallel fuzzing jobs do not share files.
struct ScratchFolder {
  std::filesystem::path path;

  ScratchFolder() {
    path = std::filesystem::temp_directory_path() /
           ("tq58_fuzz_" + std::to_string(static_cast<long>(getpid())));
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

std::filesystem::path ScratchPath(std::string_view name) {
  static const ScratchFolder folder;
  return folder.path / name;
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  Require(static_cast<bool>(out), "the harness can write its scratch file");
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  Require(static_cast<bool>(in), "the harness can read its scratch file");
  return {std::istreambuf_iterator<char>(in), {}};
}

void ForEachLine(std::string_view bytes, const std::function<void(std::string_view)>& onLine) {
  bytes = bytes.substr(0, bytes.find('\x1A'));
  std::string line;
  for (const char c : bytes) {
    if (c == '\n') {
      onLine(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) onLine(line);
}

void Require(bool holds, const char* invariant) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", invariant);
  std::abort();
}

}  // namespace tq58::fuzz
