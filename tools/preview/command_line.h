// The command line of tq58-preview.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tq58::preview {

inline constexpr char kUsage[] =
    "usage: tq58-preview [-o OUT.svg] FILE [FILE]\n"
    "       tq58-preview --settings FILE.dat [--preset N] [-o OUT.svg]\n"
    "       tq58-preview --settings FILE.dat [--preset N] --chains FILE [--reverse] [-o OUT.svg]\n"
    "The first form draws an exchange file (JWC_TEMP.TXT as the host wrote it) and, when\n"
    "given, a second one (as tq58 wrote it back) on top of it. The second draws preset N\n"
    "(1 to 20; the current preset when not given) of a settings file along sample paths.\n"
    "The third draws what preset N draws in chain mode (tq58 1 /s, with --reverse /r) along\n"
    "the lines selected in an exchange file, over them in grey.\n"
    "Without -o the SVG goes to standard output.\n";

struct PreviewRequest {
  bool help = false;
  std::vector<std::filesystem::path> exchangeFiles;   // one or two, unless settings are drawn
  std::optional<std::filesystem::path> settingsFile;  // set: draw a preset
  std::optional<int32_t> preset;                      // 1..20
  std::optional<std::filesystem::path> chainsFile;    // set: a chain-mode run along its lines
  bool reverse = false;                               // the chains turned round
  std::optional<std::filesystem::path> output;        // none: standard output
};

// The request that the arguments (without the program's name) make, or what is wrong with
// them.
std::variant<PreviewRequest, std::string> ParseCommandLine(const std::vector<std::string>& args);

}  // namespace tq58::preview
