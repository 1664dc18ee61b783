// The two kinds of preview: exchange files as the host wrote them and as a run wrote them
// back, or a preset of a settings file along sample paths.
#include "preview/preview_run.h"

#include <filesystem>
#include <system_error>

#include "exchange/reader.h"
#include "presets/settings_file.h"
#include "preview/chain_scene.h"
#include "preview/model_scene.h"
#include "preview/preset_scene.h"
#include "preview/svg_writer.h"

namespace tq58::preview {

namespace {

namespace fs = std::filesystem;

// Why `path` cannot be read as a file, or empty when it can be tried.
std::string UnreadableReason(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) return "cannot read " + path.string() + ": no such file";
  if (!fs::is_regular_file(status)) return "cannot read " + path.string() + ": not a file";
  return {};
}

PreviewOutcome Failure(std::string message) { return {false, {}, std::move(message)}; }

// Reads the exchange file at `path` into `model`; why it cannot, or empty when it was read.
std::string ReadExchangeModel(const fs::path& path, exchange::ExchangeModel& model) {
  if (std::string reason = UnreadableReason(path); !reason.empty()) return reason;
  if (!exchange::ReadExchangeFile(model, path)) return "cannot read " + path.string();
  return {};
}

PreviewOutcome RenderExchangeFiles(const PreviewRequest& request) {
  Scene scene;
  for (std::size_t i = 0; i < request.exchangeFiles.size(); ++i) {
    exchange::ExchangeModel model;
    if (std::string reason = ReadExchangeModel(request.exchangeFiles[i], model); !reason.empty()) {
      return Failure(reason);
    }
    // The first file is the host's: its entities in grey with the indicated points. The
    // second holds what a run wrote back, drawn as the host draws it.
    if (i == 0) {
      AddEntities(model, Layer::Host, scene);
      AddIndicatedPoints(model, scene);
    } else {
      AddEntities(model, Layer::Commands, scene);
    }
  }
  if (scene.Empty()) {
    return Failure("nothing to draw in " + request.exchangeFiles.front().string() +
                   ": no entities, indicated points or commands");
  }
  return {true, RenderSvg(scene), {}};
}

PreviewOutcome RenderPreset(const PreviewRequest& request) {
  const fs::path& path = *request.settingsFile;
  if (std::string reason = UnreadableReason(path); !reason.empty()) return Failure(reason);
  PresetStore store;
  // A file that is there but cannot be read would preview as the start values, not its presets.
  if (const util::ReadResult read = LoadSettings(store, path); read.Unreadable()) {
    return Failure("cannot read " + path.string() +
                   (read.SystemMessage.empty() ? "" : ": " + read.SystemMessage));
  }
  const int32_t preset = request.preset.value_or(store.CurrentPreset);
  if (request.chainsFile) {
    exchange::ExchangeModel host;
    if (std::string reason = ReadExchangeModel(*request.chainsFile, host); !reason.empty()) {
      return Failure(reason);
    }
    return {true, RenderSvg(ChainScene(store, preset, host, request.reverse)), {}};
  }
  PreviewOutcome outcome{true, RenderSvg(PresetScene(store, preset)), {}};
  if (!PresetDrawsAnything(store, preset)) {
    outcome.message = "preset " + std::to_string(preset) + " draws nothing: no row is ticked";
  }
  return outcome;
}

}  // namespace

PreviewOutcome RenderRequest(const PreviewRequest& request) {
  return request.settingsFile ? RenderPreset(request) : RenderExchangeFiles(request);
}

}  // namespace tq58::preview
