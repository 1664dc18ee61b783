#include "multiline/junction_network.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "exchange/writer.h"

namespace tq58 {
namespace {

BasePath Line(std::vector<PointD> points) {
  BasePath p;
  p.points = std::move(points);
  return p;
}

std::vector<std::string> Write(const MultiLine& lines) {
  JwwGaibu::ExchangeModel model;
  JwwGaibu::WriterState writer;
  JwwGaibu::ResetWriterState(writer);
  WriteMultiLine(model, writer, lines);
  return writer.OutputLines;
}

BasePath Arc(PointD a, PointD b, BaseArc arc) {
  BasePath p;
  p.points = {a, b};
  p.arcs = {arc};
  return p;
}

TEST(Scratch, Print) {
  TLineTable table;
  table.Lines[0] = {true, 5, 3, false, 1, 0, -1};
  table.Lines[1] = {true, -5, 3, false, 2, 0, -1};
  table.Lines[2] = {true, 0, 0, false, 3, 0, -1};
  table.Lines[3] = {true, 2, 0, false, 4, 0, -1};
  table.Options.StartCap = CapStyle::Line;
  table.Options.EndCap = CapStyle::Arc;
  const double s3 = std::sqrt(3.0);
  const std::vector<std::vector<BasePath>> cases = {
      {Line({{-50, 0}, {50, 0}}), Line({{0, -50}, {0, 0}})},
      {Line({{-50, 0}, {50, 0}}), Line({{0, -50}, {0, 50}})},
      {Line({{-50, 0}, {50, 0}}), Line({{-30, -40 * s3 / 1.0}, {10, 0}})},
      {Line({{0, 0}, {50, 0}}), Line({{0, 0}, {-25, 25 * s3}}), Line({{0, 0}, {-25, -25 * s3}})},
      {Line({{-50, 0}, {2, 0}}), Line({{0, -50}, {0, 2}})},
      {Arc({-50, 0}, {50, 0}, BaseArc{{0, 0}, 50, 0, 180, true}), Line({{0, 100}, {0, 50}})},
      {Line({{-50, 0}, {0, 0}}), Line({{0, 0}, {50, 0}}), Line({{0, 0}, {0, 40}})},
      {Line({{-3, 0}, {63, 0}}), Line({{-3, 30}, {63, 30}}), Line({{-3, 60}, {63, 60}}),
       Line({{0, -3}, {0, 63}}), Line({{30, -3}, {30, 63}}), Line({{60, -3}, {60, 63}})},
      {Line({{-50, 0}, {50, 0}, {50, 40}, {0, 40}, {0, -40}})},
      {Line({{-40, -40}, {40, -40}, {40, 40}, {-40, 40}, {-40, -40}}), Line({{-40, 0}, {40, 0}}), Line({{0, 80}, {0, 40}})},
  };
  for (const auto& chains : cases) {
    for (const std::string& l : Write(BuildJunctionNetwork(chains, table, 1.0))) std::printf("%s\n", l.c_str());
    std::printf("--\n");
  }
}

}  // namespace
}  // namespace tq58
