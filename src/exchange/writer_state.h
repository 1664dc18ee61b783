// The state of the command writer: the command lines so far, and its record of what the host's
// drawing state will be once it has read them.
#pragma once

#include <string>
#include <vector>

#include "exchange/drawing_state.h"

namespace tq58::exchange {

// The values the writer emitted last, and per attribute a force flag: while it is set, the
// next command of that attribute is emitted even for an unchanged value. A fresh one, every
// flag set, is the state at the start of the output.
struct EmittedState : DrawingState {
  bool ForceLayerGroup = true;
  bool ForceLayer = true;
  bool ForceLineColor = true;
  bool ForceLineType = true;
  bool ForceLineWidth = true;
  bool ForceTextStyle = true;
  bool ForceTextColor = true;
  bool ForceFontName = true;

  bool operator==(const EmittedState&) const = default;
};

struct WriterState {
  std::vector<std::string> OutputLines;  // each at most 255 bytes
  EmittedState Emitted;
};

}  // namespace tq58::exchange
