// One run of tq58-preview: from a parsed request to the SVG or the reason there is none.
#pragma once

#include <string>

#include "preview/command_line.h"

namespace tq58::preview {

struct PreviewOutcome {
  bool ok = false;
  std::string svg;
  std::string message;  // what went wrong, or a notice that goes with a drawing
};

// Reads the files of `request` and draws them. Missing or unreadable files, and exchange
// files with nothing to draw, give no SVG and a message naming the file.
PreviewOutcome RenderRequest(const PreviewRequest& request);

}  // namespace tq58::preview
