// One run of the program as the host starts it: the start-up that both run modes share, the
// transformation, and the release at the end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "app/program_paths.h"
#include "app/run_mode.h"
#include "exchange/model.h"
#include "presets/presets.h"
#include "util/text_file.h"

namespace tq58 {

// Everything one run holds: the exchange-file model, the writer's output and the presets,
// and how the start-up read the two files.
struct ProgramRun {
  exchange::ExchangeModel Model;
  exchange::WriterState Writer;
  PresetStore Store;
  util::ReadResult ExchangeRead;
  util::ReadResult SettingsRead;
};

// The construction that a transformation runs; a parameter so that a fault can be staged.
using DrawOperation = void (*)(const PresetStore& store, const exchange::ExchangeModel& model,
                               exchange::WriterState& writer, int32_t pointLimit);

// Start-up of every run: clears the model, reads the exchange file, resets the writer and
// loads the settings. Reads both files and writes neither.
void StartProgramRun(ProgramRun& run, const ProgramFiles& files);

// The transformation of run mode 1 or 2: the host's layer group, the multi-line of the
// current preset with its layers (`draw` writes those), then the exchange file replaced by the
// output. When the start-up found one of `files` there but could not read it, the output is
// instead one error line that tells the host's user why, and nothing is drawn. Never throws.
void TransformExchangeFile(ProgramRun& run, int32_t runMode, const ProgramFiles& files,
                           DrawOperation draw);

// Releases the model's lists and the output at the end of every run.
void EndProgramRun(ProgramRun& run);

// A whole transformation run (mode 1 or 2) with the given files: along the indicated points,
// or with `options.Chains` along the selected lines; drawing `options.Preset` (1..20) instead
// of the settings file's current preset when one is given. The settings file is only read.
// Never throws.
void RunTransformation(const ProgramFiles& files, int32_t runMode,
                       const TransformOptions& options = {});

// The transformation run with the files beside the running program. When the program cannot
// tell its own path, nothing is read or written: the files are never looked for in the
// working directory.
void RunTransformationBesideProgram(int32_t runMode, const TransformOptions& options);

}  // namespace tq58
