// The host's solid commands.
#include "drawing/solid_writer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "exchange/command_format.h"
#include "exchange/writer.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "util/overloaded.h"
#include "util/real_format.h"

namespace tq58 {

namespace {

using geometry::kDegenerateGeometryTolerance;

// The host's colour number that makes a solid take the colour given after it.
constexpr int32_t kSolidColorNumber = 10;
constexpr double kFullTurn = 2.0 * std::numbers::pi;

// An arc as a solid takes it: counterclockwise from `start`, in [0, 2π), over `sweep`.
struct SolidAngles {
  double start = 0.0, sweep = 0.0;
};

SolidAngles AnglesOf(const Curve& arc) {
  const Curve ccw = arc.Counterclockwise();
  return {geometry::AngleAfter(0.0, ccw.from), ccw.sweep};
}

bool ArcWritten(const Curve& arc, SolidAngles angles) {
  return exchange::AllFinite(
             {arc.centre.x, arc.centre.y, arc.radius, angles.start, angles.sweep}) &&
         arc.radius > kDegenerateGeometryTolerance && angles.sweep > 0.0 &&
         angles.sweep <= kFullTurn;
}

// The line of one solid, or nothing.
std::string SolidLine(const Solid& solid) {
  std::string line;
  std::visit(util::Overloaded{[&](const SolidPolygon& p) {
                                if (p.count < 3 || p.count > 4) return;
                                line = "sl ";
                                for (int i = 0; i < p.count; ++i) {
                                  const PointD& c = p.corners[static_cast<std::size_t>(i)];
                                  if (!exchange::AllFinite({c.x, c.y})) {
                                    line.clear();
                                    return;
                                  }
                                  if (i > 0) line += ' ';
                                  exchange::AppendReals(line, {c.x, c.y});
                                }
                              },
                              [&](const SolidArc& s) {
                                const Curve& a = s.arc;
                                const SolidAngles angles = AnglesOf(a);
                                if (!ArcWritten(a, angles)) return;
                                line = "sc ";
                                exchange::AppendReals(line, {a.centre.x, a.centre.y, a.radius, 1.0,
                                                             0.0, angles.start, angles.sweep});
                                line += ' ';
                                util::AppendDecimal(line, static_cast<int32_t>(s.kind));
                              },
                              [&](const SolidRingSector& r) {
                                const Curve& a = r.outer;
                                const SolidAngles angles = AnglesOf(a);
                                if (!ArcWritten(a, angles) || !std::isfinite(r.inner) ||
                                    !(r.inner >= 0.0 && r.inner < a.radius)) {
                                  return;
                                }
                                line = "so ";
                                exchange::AppendReals(
                                    line, {a.centre.x, a.centre.y, a.radius, 1.0, 0.0, angles.start,
                                           angles.sweep, r.inner});
                              }},
             solid);
  return line;
}

}  // namespace

void WriteSolids(exchange::WriterState& writer, int32_t color, const Solids& solids) {
  bool colorWritten = false;
  for (const Solid& solid : solids) {
    const std::string line = SolidLine(solid);
    if (line.empty()) continue;
    if (!colorWritten) {
      std::string command = "lc";
      util::AppendDecimal(command, kSolidColorNumber);
      command += ' ';
      util::AppendDecimal(command, color);
      exchange::AddOutputLine(writer, command);
      writer.Emitted.ForceLineColor = true;
      colorWritten = true;
    }
    exchange::AddOutputLine(writer, line);
  }
}

bool WritesAnySolid(const Solids& solids) {
  return std::any_of(solids.begin(), solids.end(),
                     [](const Solid& solid) { return !SolidLine(solid).empty(); });
}

}  // namespace tq58
