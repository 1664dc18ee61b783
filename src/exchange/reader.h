// Reading the host's exchange file into the model, one line at a time.
#pragma once

#include <filesystem>
#include <string_view>

#include "exchange/model.h"

namespace JwwGaibu {

// Reads the file at `path` into `model`. False when the file is missing, cannot be opened or
// a read fails; what was read before a failure stays in the model.
bool ReadExchangeFile(ExchangeModel& model, const std::filesystem::path& path);

// Interprets one line (without its line break) into `model`.
void ParseExchangeLine(ExchangeModel& model, std::string_view line);

}  // namespace JwwGaibu
