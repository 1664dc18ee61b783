// A chain-mode run previewed through the program's own chain mode, its commands read back.
#include "preview/chain_scene.h"

#include <string>

#include "drawing/chain_mode.h"
#include "exchange/writer.h"
#include "preview/model_scene.h"

namespace tq58::preview {

Scene ChainScene(const PresetStore& store, int32_t preset, const exchange::ExchangeModel& host,
                 bool reverse) {
  PresetStore drawn = store;
  drawn.CurrentPreset = preset;
  exchange::WriterState writer;
  exchange::ResetWriterState(writer);
  DrawChainMultiLines(drawn, host, writer, reverse);

  Scene scene;
  AddEntities(host, Layer::Host, scene);
  AddIndicatedPoints(host, scene);
  AddWrittenCommands(writer.OutputLines, scene);
  // The notice ("h#") or error ("he") that the run ends with tells what it did.
  if (writer.OutputLines.empty()) return scene;
  const std::string& last = writer.OutputLines.back();
  if (last.starts_with("h#") || last.starts_with("he")) scene.title = last.substr(2);
  return scene;
}

}  // namespace tq58::preview
