// The dialog's colour and line-type lists, the writer's host numbers of their indexes and the
// preview's palette agree entry by entry.
#include <gtest/gtest.h>

#include <string>

#include "exchange/writer.h"
#include "preview/host_palette.h"
#include "sjis.h"
#include "ui/line_row_lists.h"

namespace tq58::ui {
namespace {

using exchange::MapColorNumber;
using exchange::MapLineTypeNumber;
using testing::Sjis;

// The SXF user entries "SXF-N" are drawn in the palette's one user colour, which no named
// entry has; the number after the last entry is no colour of the palette's.
TEST(ListNumbers, ColourEntriesAreDrawnInTheColourOfTheirKind) {
  const exchange::ExchangeModel model;
  const auto& entries = ColorListEntries();
  const auto rgb = [&](std::size_t i) { return preview::HostColorRgb(MapColorNumber(model, i)); };
  const std::string userColour = rgb(entries.size() - 1);
  for (std::size_t i = 1; i < entries.size(); ++i) {
    EXPECT_EQ(rgb(i) == userColour, entries[i].starts_with("SXF-")) << i;
  }
  EXPECT_NE(rgb(entries.size()), userColour);
}

// Drawn solid: what its name calls solid, the random lines, the reserved type and the SXF
// user types; every other entry with a dash pattern.
TEST(ListNumbers, LineTypeEntriesAreDashedAsTheirNamesSay) {
  const exchange::ExchangeModel model;
  const auto& entries = LineTypeListEntries();
  for (std::size_t i = 1; i < entries.size(); ++i) {
    const std::string& entry = entries[i];
    const bool solid = entry.ends_with(Sjis("実線")) || entry.starts_with(Sjis("ランダム線")) ||
                       entry == Sjis("(予約)") || entry.starts_with("SXF-");
    EXPECT_EQ(preview::HostDashPattern(MapLineTypeNumber(model, i)).empty(), solid) << i;
  }
}

}  // namespace
}  // namespace tq58::ui
