// The shapes of an exchange file: the host's entities, the points indicated in the host, and
// the commands that a run wrote back.
#pragma once

#include <string>
#include <vector>

#include "exchange/model.h"
#include "path/base_path.h"
#include "preview/scene.h"

namespace tq58::preview {

// Adds every entity of `model` to `layer`: in the host's grey for Layer::Host, otherwise in
// the colour, line type and width that the entity carries. Solids ("sl", "sc", "so") are
// filled polygons in their solid colour, those without area left out; "sg" is left out.
void AddEntities(const exchange::ExchangeModel& model, Layer layer, Scene& scene);

// Adds the commands of `lines` (as a run writes them back) as the host reads and draws them:
// attribute lines set the drawing state that the segments and arcs after them carry.
void AddWrittenCommands(const std::vector<std::string>& lines, Scene& scene);

// Adds a base path as a dashed line of its segments and arcs, with its vertices numbered.
void AddBasePath(const BasePath& path, Scene& scene);

// Adds the indicated points with their numbers, and the base path that a run draws along:
// the points 1, 2, 3 ... up to the first one missing.
void AddIndicatedPoints(const exchange::ExchangeModel& model, Scene& scene);

}  // namespace tq58::preview
