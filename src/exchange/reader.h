// Reading the host's exchange file into the model, one line at a time.
#pragma once

#include <filesystem>
#include <string_view>

#include "exchange/model.h"
#include "util/text_file.h"

namespace tq58::exchange {

// Reads the file at `path` into `model`. The result tells a file read whole from a missing
// one and from one that could not be read, with the reason; what was read before a failure
// stays in the model.
util::ReadResult ReadExchangeFile(ExchangeModel& model, const std::filesystem::path& path);

// Interprets one line (without its line break) into `model`.
void ParseExchangeLine(ExchangeModel& model, std::string_view line);

}  // namespace tq58::exchange
