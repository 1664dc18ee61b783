// The settings file beside the program: 1423 lines, one value each, CR LF, Shift-JIS; 1524
// when some preset uses an option beyond its rows, 1545 when one uses its junction option, 1586
// when one is filled or has a fill colour of its own, 1807 when a row or a fill of one is put
// on a layer of its own.
#pragma once

#include <filesystem>

#include "presets/presets.h"
#include "util/text_file.h"

namespace tq58 {

// Sets `store` to its start values, then reads the file at `path` if there is one. Missing
// lines read as empty text. When the file is there but cannot be read whole, `store` holds
// the start values, none of what was read before the failure, and the result says why.
util::ReadResult LoadSettings(PresetStore& store, const std::filesystem::path& path);

// Writes `store` to `path`, replacing the old file atomically and only once the new one is on
// the disk: on any failure the previous file stays exactly as it was, no temporary file
// remains, and the result says why.
util::WriteResult SaveSettings(PresetStore& store, const std::filesystem::path& path);

}  // namespace tq58
