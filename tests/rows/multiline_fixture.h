// Test support for the multi-line construction: a fresh model, writer and preset store, and
// the writer's output parsed back into attribute commands, segments and arcs.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "drawing/point_mode.h"
#include "exchange/model.h"
#include "exchange/writer.h"
#include "presets/presets.h"

namespace tq58::testing_support {

// One output line: an attribute command ("lc3"), a segment (4 numbers) or an arc (7 numbers).
struct OutputItem {
  enum class Kind { Attribute, Segment, Arc } kind = Kind::Attribute;
  std::string text;
  std::vector<double> values;
};

inline OutputItem ParseOutputLine(const std::string& line) {
  OutputItem item;
  item.text = line;
  if (line.rfind("l", 0) == 0) return item;
  std::string numbers = line;
  item.kind = OutputItem::Kind::Segment;
  if (line.rfind("ci ", 0) == 0) {
    item.kind = OutputItem::Kind::Arc;
    numbers = line.substr(3);
  }
  const char* cursor = numbers.c_str();
  char* end = nullptr;
  for (double v = std::strtod(cursor, &end); end != cursor; v = std::strtod(cursor, &end)) {
    item.values.push_back(v);
    cursor = end;
  }
  return item;
}

// Whether two angles in degrees name the same direction (0 and 360 do).
inline bool SameAngle(double a, double b, double tolerance) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return d <= tolerance || 360.0 - d <= tolerance;
}

inline constexpr double kNear = 1e-9;

inline void ExpectSegment(const OutputItem& item, double x1, double y1, double x2, double y2) {
  ASSERT_EQ(item.kind, OutputItem::Kind::Segment) << item.text;
  ASSERT_EQ(item.values.size(), 4u) << item.text;
  EXPECT_NEAR(item.values[0], x1, kNear) << item.text;
  EXPECT_NEAR(item.values[1], y1, kNear) << item.text;
  EXPECT_NEAR(item.values[2], x2, kNear) << item.text;
  EXPECT_NEAR(item.values[3], y2, kNear) << item.text;
}

inline void ExpectArc(const OutputItem& item, double cx, double cy, double r, double from,
                      double to) {
  ASSERT_EQ(item.kind, OutputItem::Kind::Arc) << item.text;
  ASSERT_EQ(item.values.size(), 7u) << item.text;
  EXPECT_NEAR(item.values[0], cx, kNear) << item.text;
  EXPECT_NEAR(item.values[1], cy, kNear) << item.text;
  EXPECT_NEAR(item.values[2], r, kNear) << item.text;
  EXPECT_TRUE(SameAngle(item.values[3], from, kNear)) << item.text;
  EXPECT_TRUE(SameAngle(item.values[4], to, kNear)) << item.text;
  EXPECT_EQ(item.values[5], 1.0) << item.text;  // a circular arc: flatness 1, tilt 0
  EXPECT_EQ(item.values[6], 0.0) << item.text;
}

class MultiLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    exchange::ClearExchangeModel(model, writer);
    FreshWriter();
  }

  // A writer as a run has it when the drawing starts, already on the host's layer 0, so that
  // the output holds the rows alone.
  void FreshWriter() {
    writer = {};
    exchange::ResetWriterState(writer);
    exchange::OutLayerGroup(writer, 0);
    exchange::OutLayer(writer, 0);
    writer.OutputLines.clear();
  }

  // Defines hp1, hp2, ... as the given points.
  void SetPoints(const std::vector<std::pair<double, double>>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
      exchange::THpPoint& hp = model.HpPoints[i + 1];
      hp.Defined = true;
      hp.X = points[i].first;
      hp.Y = points[i].second;
    }
  }

  // Row `number` (1..10) of preset 1, switched on with the given spacing and radius.
  TLineRow& DrawRow(int number, double spacing, double radius) {
    TLineRow& row = store.Preset(1).Lines[static_cast<std::size_t>(number - 1)];
    row.DrawOn = true;
    row.Spacing = spacing;
    row.Radius = radius;
    return row;
  }

  std::vector<OutputItem> Run(int32_t pointLimit = 98) {
    DrawMultiLines(store, model, writer, pointLimit);
    std::vector<OutputItem> items;
    for (const std::string& line : writer.OutputLines) items.push_back(ParseOutputLine(line));
    return items;
  }

  // The segments and arcs of the output, without the attribute commands.
  std::vector<OutputItem> RunGeometry(int32_t pointLimit = 98) {
    std::vector<OutputItem> geometry;
    for (OutputItem& item : Run(pointLimit)) {
      if (item.kind != OutputItem::Kind::Attribute) geometry.push_back(std::move(item));
    }
    return geometry;
  }

  exchange::ExchangeModel model;
  exchange::WriterState writer;
  PresetStore store;
};

}  // namespace tq58::testing_support
