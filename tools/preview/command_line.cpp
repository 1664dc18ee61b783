// Parsing the arguments of tq58-preview, with a message for each way they can be wrong.
#include "preview/command_line.h"

#include <charconv>

#include "util/host_limits.h"

namespace tq58::preview {

namespace {

// A preset number: decimal digits only, 1 to 20.
std::optional<int32_t> PresetNumber(const std::string& text) {
  int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || text[0] == '-' || error != std::errc() || stop != end) return std::nullopt;
  if (!util::IsPresetNumber(value)) return std::nullopt;
  return value;
}

}  // namespace

std::variant<PreviewRequest, std::string> ParseCommandLine(const std::vector<std::string>& args) {
  PreviewRequest request;
  std::optional<std::string> presetText;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue =
        arg == "-o" || arg == "--settings" || arg == "--preset" || arg == "--chains";
    if (takesValue && i + 1 == args.size()) return arg + " needs a value";
    if (arg == "-h" || arg == "--help") {
      request.help = true;
    } else if (arg == "-o") {
      if (request.output) return "-o given twice";
      request.output = args[++i];
    } else if (arg == "--settings") {
      if (request.settingsFile) return "--settings given twice";
      request.settingsFile = args[++i];
    } else if (arg == "--preset") {
      if (presetText) return "--preset given twice";
      presetText = args[++i];
    } else if (arg == "--chains") {
      if (request.chainsFile) return "--chains given twice";
      request.chainsFile = args[++i];
    } else if (arg == "--reverse") {
      request.reverse = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option " + arg;
    } else {
      request.exchangeFiles.push_back(arg);
    }
  }
  if (request.help) return request;

  if (presetText) {
    if (!request.settingsFile) return "--preset needs --settings";
    request.preset = PresetNumber(*presetText);
    if (!request.preset)
      return "--preset must be a number from 1 to 20, not \"" + *presetText + "\"";
  }
  if (request.reverse && !request.chainsFile) return "--reverse needs --chains";
  if (request.chainsFile && !request.settingsFile) return "--chains needs --settings";
  if (request.settingsFile) {
    if (!request.exchangeFiles.empty()) return "--settings draws no exchange file";
  } else if (request.exchangeFiles.empty()) {
    return "no exchange file given";
  } else if (request.exchangeFiles.size() > 2) {
    return "at most two exchange files";
  }
  return request;
}

}  // namespace tq58::preview
