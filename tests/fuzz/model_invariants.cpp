// The model invariants: the order list against the typed lists, ranges, lengths, finiteness.
#include "model_invariants.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>

#include "fuzz_support.h"

namespace tq58::fuzz {
namespace {

using namespace tq58::exchange;

constexpr int kKindCount = 15;

// Number of records in the list of each kind, indexed by kind (0 unused).
std::array<std::size_t, kKindCount + 1> ListSizes(const ExchangeModel& m) {
  std::array<std::size_t, kKindCount + 1> sizes{};
  std::size_t kind = 0;
  ForEachEntityList(m, [&](const auto& list) { sizes[++kind] = list.size(); });
  return sizes;
}

void RequireFinite(std::initializer_list<double> values) {
  for (const double value : values) Require(std::isfinite(value), "every real is finite");
}

void RequireOrderMatchesLists(const ExchangeModel& m) {
  const auto sizes = ListSizes(m);
  std::array<std::size_t, kKindCount + 1> seen{};
  for (const TEntityOrderItem& item : m.EntityOrder) {
    Require(item.Kind >= 1 && item.Kind <= kKindCount, "an order item has a known kind");
    const auto kind = static_cast<std::size_t>(item.Kind);
    Require(item.Index >= 0 && static_cast<std::size_t>(item.Index) == seen[kind],
            "order items of one kind count up from 0");
    ++seen[kind];
  }
  Require(seen == sizes, "every record has exactly one order item");
}

void RequireText(const TJwwEntText& text) {
  Require(text.Text.size() <= kShortTextLimit, "a text is at most 255 bytes");
  Require(text.FontName.size() <= kShortTextLimit, "a font name is at most 255 bytes");
  Require(text.TextColor >= 0 && text.TextColor <= 8, "a text colour is 0..8");
  RequireFinite({text.X, text.Y, text.DirX, text.DirY, text.Width, text.Height, text.CharSpacing});
}

void RequireEntitiesFinite(const ExchangeModel& m) {
  for (const auto& e : m.LineList) RequireFinite({e.X1, e.Y1, e.X2, e.Y2});
  for (const auto& e : m.CircleList) RequireFinite({e.X, e.Y, e.Radius});
  for (const auto& e : m.ArcList) {
    RequireFinite({e.X, e.Y, e.Radius, e.StartAngle, e.EndAngle, e.Flatness, e.Tilt});
  }
  for (const auto& e : m.TextList) RequireText(e);
  for (const auto& e : m.MsgTextList) {
    RequireText(e.Text);
    RequireFinite({e.Segment.X1, e.Segment.Y1, e.Segment.X2, e.Segment.Y2});
  }
  for (const auto& e : m.PointList) RequireFinite({e.X, e.Y});
  for (const auto& e : m.ParamPointList) RequireFinite({e.X, e.Y, e.Param1, e.Param2});
  for (const auto& e : m.BlockList) RequireFinite({e.X, e.Y});
  for (const auto& e : m.Solid2List) RequireFinite({e.X1, e.Y1, e.X2, e.Y2});
  for (const auto& e : m.Solid3List) RequireFinite({e.X1, e.Y1, e.X2, e.Y2, e.X3, e.Y3});
  for (const auto& e : m.Solid4List) {
    RequireFinite({e.X1, e.Y1, e.X2, e.Y2, e.X3, e.Y3, e.X4, e.Y4});
  }
  for (const auto* list : {&m.ScList, &m.SeList}) {
    for (const auto& e : *list) {
      RequireFinite({e.X, e.Y, e.Radius, e.StartAngle, e.EndAngle, e.Flatness, e.Tilt});
    }
  }
  for (const auto* list : {&m.SoList, &m.SgList}) {
    for (const auto& e : *list) {
      for (const double v : e.V) RequireFinite({v});
    }
  }
}

void RequireStateInRange(const ExchangeModel& m) {
  for (const int32_t layer :
       {m.HostLayerGroup, m.HostLayer, m.Reading.CurLayerGroup, m.Reading.CurLayer}) {
    Require(layer >= 0 && layer < kLayerGroupCount, "layer groups and layers are 0..15");
  }
  Require(m.Reading.CurTextColor >= 0 && m.Reading.CurTextColor <= 8, "the text colour is 0..8");
  Require(!m.HpPoints[0].Defined, "indicated point 0 is never stored");
  int32_t defined = 0;
  for (const THpPoint& point : m.HpPoints) {
    RequireFinite({point.X, point.Y});
    Require(point.Kind >= HpPlain && point.Kind <= HpCh, "a point kind is 0..4");
    defined += point.Defined ? 1 : 0;
  }
  Require(m.HpPointCount >= defined, "every stored point was counted");
  for (const double scale : m.LayerGroupScale) RequireFinite({scale});
  RequireFinite({m.HkValue, m.SheetWidth, m.SheetHeight, m.HostTextWidth, m.HostTextHeight,
                 m.HostCharSpacing, m.Reading.CurTextWidth, m.Reading.CurTextHeight,
                 m.Reading.CurCharSpacing});
  for (const double value : m.HnValues) RequireFinite({value});
  for (const TTextStyle& style : m.TextStyles) {
    RequireFinite({style.Width, style.Height, style.CharSpacing});
  }
}

}  // namespace

void RequireModelInvariants(const ExchangeModel& model) {
  RequireOrderMatchesLists(model);
  RequireEntitiesFinite(model);
  RequireStateInRange(model);
}

}  // namespace tq58::fuzz
