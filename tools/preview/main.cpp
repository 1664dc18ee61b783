// tq58-preview: draws an exchange file, or a preset of a settings file, as SVG.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "preview/command_line.h"
#include "preview/preview_run.h"
#include "util/text_file.h"

namespace {

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = tq58::preview::ParseCommandLine(args);
  if (const auto* error = std::get_if<std::string>(&parsed)) {
    std::cerr << "tq58-preview: " << *error << "\n" << tq58::preview::kUsage;
    return kUsageError;
  }
  const auto& request = std::get<tq58::preview::PreviewRequest>(parsed);
  if (request.help) {
    std::cout << tq58::preview::kUsage;
    return 0;
  }

  const tq58::preview::PreviewOutcome outcome = tq58::preview::RenderRequest(request);
  if (!outcome.message.empty()) std::cerr << "tq58-preview: " << outcome.message << "\n";
  if (!outcome.ok) return kFailed;

  if (request.output) {
    if (!tq58::util::ReplaceFileContents(*request.output, outcome.svg)) {
      std::cerr << "tq58-preview: cannot write " << request.output->string() << "\n";
      return kFailed;
    }
  } else {
    std::cout << outcome.svg << std::flush;
    if (!std::cout) return kFailed;
  }
  return 0;
}
