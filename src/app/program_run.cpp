// The order of one run: read, reset, load; then emit, draw and write back, or tell why not.
#include "app/program_run.h"

#include <memory>
#include <optional>
#include <string>

#include "app/program_paths.h"
#include "app/run_mode.h"
#include "app/unread_file_message.h"
#include "drawing/chain_mode.h"
#include "drawing/point_mode.h"
#include "exchange/reader.h"
#include "exchange/writer.h"
#include "presets/settings_file.h"
#include "util/host_limits.h"
#include "util/system_text.h"

namespace tq58 {
namespace {

// Mode 1 draws along the points 1 and 2 only, mode 2 along up to 99 points.
int32_t PointLimitOf(int32_t runMode) {
  return runMode == kSegmentMode ? 1 : util::kPolylinePointLimit;
}

// What the host gets when the run fails part way: no command at all ("hq"), rather than a
// partly drawn multi-line or its own input read back as drawing commands.
void WriteNothingToDraw(exchange::WriterState& writer, const std::filesystem::path& file) {
  writer.OutputLines.clear();
  try {
    exchange::WriteExchangeFile(writer, file);
  } catch (...) {
    // The writer leaves no partly written file even when it fails; nothing more to do.
  }
}

// Chain mode draws along the selection, whatever the point limit.
void DrawChains(const PresetStore& store, const exchange::ExchangeModel& model,
                exchange::WriterState& writer, int32_t) {
  DrawChainMultiLines(store, model, writer, false);
}
void DrawReversedChains(const PresetStore& store, const exchange::ExchangeModel& model,
                        exchange::WriterState& writer, int32_t) {
  DrawChainMultiLines(store, model, writer, true);
}

DrawOperation DrawOperationOf(const TransformOptions& options) {
  if (!options.Chains) return DrawMultiLines;
  return options.Reverse ? DrawReversedChains : DrawChains;
}

// The message for the host's user when a file of the run is there but could not be read, the
// exchange file first; none when each was read or is missing.
std::optional<std::string> UnreadFileMessageOf(const ProgramRun& run, const ProgramFiles& files) {
  if (run.ExchangeRead.Unreadable()) {
    return UnreadFileMessage(RunFile::Exchange, util::PathText(files.ExchangeFile.filename()),
                             run.ExchangeRead);
  }
  if (run.SettingsRead.Unreadable()) {
    return UnreadFileMessage(RunFile::Settings, util::PathText(files.SettingsFile.filename()),
                             run.SettingsRead);
  }
  return std::nullopt;
}

}  // namespace

void StartProgramRun(ProgramRun& run, const ProgramFiles& files) {
  exchange::ClearExchangeModel(run.Model, run.Writer);
  run.ExchangeRead = exchange::ReadExchangeFile(run.Model, files.ExchangeFile);
  exchange::ResetWriterState(run.Writer);
  run.SettingsRead = LoadSettings(run.Store, files.SettingsFile);
}

void TransformExchangeFile(ProgramRun& run, int32_t runMode, const ProgramFiles& files,
                           DrawOperation draw) {
  try {
    if (const std::optional<std::string> message = UnreadFileMessageOf(run, files)) {
      // Points read up to a failure, or the start values in place of presets never read, are
      // not what the user asked to draw.
      exchange::OutErrorMessage(run.Writer, *message);
    } else {
      // Forced by ResetWriterState, the layer group is the first line of the output, and the
      // drawing's first layer line, the layer of its first entity, follows it.
      exchange::OutLayerGroup(run.Writer, run.Model.HostLayerGroup);
      draw(run.Store, run.Model, run.Writer, PointLimitOf(runMode));
    }
    exchange::WriteExchangeFile(run.Writer, files.ExchangeFile);
  } catch (...) {
    WriteNothingToDraw(run.Writer, files.ExchangeFile);
  }
}

void EndProgramRun(ProgramRun& run) { exchange::FreeExchangeModel(run.Model, run.Writer); }

void RunTransformation(const ProgramFiles& files, int32_t runMode,
                       const TransformOptions& options) {
  std::unique_ptr<ProgramRun> run;
  try {
    run = std::make_unique<ProgramRun>();
    StartProgramRun(*run, files);
  } catch (...) {
    // Whatever was thrown. The core throws nothing of its own, so this is the standard
    // library's: std::bad_alloc or std::length_error when an exchange file is too large for
    // memory. The input was not read whole and cannot be trusted, so nothing is drawn.
    exchange::WriterState empty;
    WriteNothingToDraw(empty, files.ExchangeFile);
    return;
  }
  // For this run only: the store is never saved by a transformation.
  if (options.Preset) run->Store.CurrentPreset = *options.Preset;
  TransformExchangeFile(*run, runMode, files, DrawOperationOf(options));
  EndProgramRun(*run);
}

void RunTransformationBesideProgram(int32_t runMode, const TransformOptions& options) {
  // Without its files the exchange file stays as it is.
  if (const std::optional<ProgramFiles> files = FilesBesideRunningProgram()) {
    RunTransformation(*files, runMode, options);
  }
}

}  // namespace tq58
