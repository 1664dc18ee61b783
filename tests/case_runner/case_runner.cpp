// Runs the transformation on many cases in one process, so that a build under an emulator
// (the 32-bit x86 Linux build under qemu-i386-static) can be compared with the native build
// on thousands of inputs without starting a program for each.
//
//   tq58_case_runner BATCH_FILE OUTPUT_FOLDER
//
// BATCH_FILE holds the cases one after another, each a line "MODE DRAWING EXCHANGE_SIZE
// SETTINGS_SIZE" (DRAWING 0 along the points, 1 along the selected lines, 2 those turned
// round) followed by that many bytes of the exchange file and of the settings file.
// For case k (from 0) the runner leaves OUTPUT_FOLDER/k.txt, the exchange file as the
// transformation rewrote it. Exit status 0 when every case ran, 1 otherwise.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/program_run.h"

namespace {

namespace fs = std::filesystem;

bool ReadPart(std::istream& in, std::size_t size, std::string& part) {
  part.resize(size);
  return static_cast<bool>(in.read(part.data(), static_cast<std::streamsize>(size)));
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: tq58_case_runner BATCH_FILE OUTPUT_FOLDER\n", stderr);
    return 1;
  }
  std::ifstream batch(argv[1], std::ios::binary);
  const fs::path output = argv[2];
  const tq58::ProgramFiles files{output / "JWC_TEMP.TXT", output / "tq58.dat"};
  int32_t mode = 0;
  int32_t drawing = 0;
  std::size_t exchangeSize = 0;
  std::size_t settingsSize = 0;
  std::string exchange;
  std::string settings;
  int index = 0;
  while (batch && batch.peek() != std::ifstream::traits_type::eof()) {
    if (!(batch >> mode >> drawing >> exchangeSize >> settingsSize) || batch.get() != '\n' ||
        !ReadPart(batch, exchangeSize, exchange) || !ReadPart(batch, settingsSize, settings)) {
      std::fprintf(stderr, "tq58_case_runner: malformed batch at case %d\n", index);
      return 1;
    }
    if (!WriteFile(files.ExchangeFile, exchange) || !WriteFile(files.SettingsFile, settings)) {
      std::fprintf(stderr, "tq58_case_runner: case %d cannot be set up\n", index);
      return 1;
    }
    tq58::RunTransformation(files, mode, {std::nullopt, drawing != 0, drawing == 2});
    std::error_code error;
    fs::rename(files.ExchangeFile, output / (std::to_string(index) + ".txt"), error);
    if (error) {
      std::fprintf(stderr, "tq58_case_runner: case %d left no exchange file\n", index);
      return 1;
    }
    ++index;
  }
  if (!batch) {
    std::fprintf(stderr, "tq58_case_runner: cannot read %s\n", argv[1]);
    return 1;
  }
  return 0;
}
