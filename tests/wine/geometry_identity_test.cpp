// The two builds draw the same multi-line to the last digit: irregular base paths with many
// directions and awkward coordinates go through the native tq58 and through tq58.exe under
// Wine, and the rewritten exchange files must be byte-identical.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "geometry/geometry.h"
#include "support/end_to_end.h"
#include "support/files.h"
#include "support/generated_cases.h"
#include "support/sequence.h"

namespace {

namespace fs = std::filesystem;
using tq58_test::SettingsRow;

constexpr char kWine[] = "/usr/lib/wine/wine64";

using tq58_test::Sequence;
using tq58_test::Shortest;

using tq58::geometry::PointD;

// One input: the base points and the ten rows of the current preset.
struct IdentityCase {
  std::string Name;
  std::vector<PointD> Points;
  std::vector<SettingsRow> Rows;
};

void PrintTo(const IdentityCase& testCase, std::ostream* out) { *out << testCase.Name; }

SettingsRow Drawn(double spacing, double radius, bool paperSize = false) {
  return {"1", Shortest(spacing), Shortest(radius), paperSize ? "1" : "0", "0", "0", "-1"};
}

// Ten drawn rows on both sides of the base line, the last one in paper-size units.
std::vector<SettingsRow> TenRows(double unit) {
  const double spacings[] = {0.5, -1.25, 3.3, -0.07, 12.345, -25.0, 0.001, 7.77, -3.1};
  const double radii[] = {0.3, 0.0, 1.7, 0.05, 2.5, 9.99, 0.0, 0.7, 1.05};
  std::vector<SettingsRow> rows;
  for (std::size_t i = 0; i < std::size(spacings); ++i) {
    rows.push_back(Drawn(spacings[i] * unit, radii[i] * unit));
  }
  rows.push_back(Drawn(-0.137 * unit, 0.0219 * unit, true));
  return rows;
}

// 99 points scattered over a square of half-width `extent` about (cx, cy).
std::vector<PointD> Scattered(uint64_t seed, double cx, double cy, double extent) {
  Sequence random(seed);
  std::vector<PointD> points;
  for (int i = 0; i < 99; ++i) {
    points.push_back({cx + extent * random.Signed(), cy + extent * random.Signed()});
  }
  return points;
}

// 98 points of a path that turns by an irregular angle of about 100 degrees at each point,
// so that its segments face in nearly every direction; the 99th repeats the first and closes
// it. (The input is made here, once, for both builds: std::cos and std::sin are fine.)
std::vector<PointD> ClosedTurningPath(uint64_t seed) {
  Sequence random(seed);
  std::vector<PointD> points;
  PointD at{0.0, 0.0};
  double direction = 0.0;
  for (int i = 0; i < 98; ++i) {
    points.push_back(at);
    direction += 1.75 + 0.3 * random.Signed();
    const double step = 3.0 + 2.5 * random.Signed();
    at = {at.x + step * std::cos(direction), at.y + step * std::sin(direction)};
  }
  points.push_back(points.front());
  return points;
}

// A staircase from the origin of long steps that are almost, but not quite, horizontal and
// vertical: their normals lie within a few 1e-7 radians of the axes, where cosine and sine
// are small values that the output shows in full. (The MinGW library's cosine of such angles
// is right to only about 20 bits.)
std::vector<PointD> NearlyAxisParallelSteps(uint64_t seed) {
  Sequence random(seed);
  std::vector<PointD> points;
  PointD at{0.0, 0.0};
  for (int i = 0; i < 99; ++i) {
    points.push_back(at);
    const double along = 12.5 + 7.5 * random.Signed();
    const double across = 1e-6 * random.Signed();
    at = i % 2 == 0 ? PointD{at.x + along, at.y + across} : PointD{at.x + across, at.y + along};
  }
  return points;
}

std::vector<IdentityCase> IdentityCases() {
  return {
      {"ScatteredPoints", Scattered(1, 123.456, -78.9, 500.0), TenRows(1.0)},
      {"PointsNearTheOrigin", Scattered(2, 0.0, 0.0, 1e-5), TenRows(1.0)},
      {"NearlyAxisParallelSteps", NearlyAxisParallelSteps(4), TenRows(1.0)},
      {"ClosedTurningPath", ClosedTurningPath(3), TenRows(0.1)},
  };
}

std::string ExchangeText(const std::vector<PointD>& points) {
  // Layer group 2 is current; its scale 37.5 stretches the paper-size row.
  std::string text =
      "hk 0\r\nhs 1 1 37.5 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nhzs 420 297\r\nlg2 2\r\nly5 2\r\n"
      "lc3\r\nlt2\r\nlw4\r\n";
  for (std::size_t i = 0; i < points.size(); ++i) {
    text += "hp" + std::to_string(i + 1) + " " + Shortest(points[i].x) + " " +
            Shortest(points[i].y) + "\r\n";
  }
  return text;
}

// The first line on which the two texts differ, for a readable failure.
std::string FirstDifference(const std::string& a, const std::string& b) {
  std::size_t start = 0;
  int line = 1;
  while (true) {
    const std::size_t endA = a.find('\n', start);
    const std::size_t endB = b.find('\n', start);
    const std::string lineA = a.substr(start, endA == std::string::npos ? endA : endA - start);
    const std::string lineB = b.substr(start, endB == std::string::npos ? endB : endB - start);
    if (lineA != lineB || endA == std::string::npos || endB == std::string::npos) {
      return "line " + std::to_string(line) + ": \"" + lineA + "\" against \"" + lineB + "\"";
    }
    start = endA + 1;
    ++line;
  }
}

class BuildsDrawAlike : public testing::TestWithParam<IdentityCase> {};

TEST_P(BuildsDrawAlike, ExchangeFilesAreByteIdentical) {
  ASSERT_TRUE(fs::exists(TQ58_WINDOWS_PROGRAM_PATH))
      << TQ58_WINDOWS_PROGRAM_PATH << " is missing: build the windows preset first";
  const IdentityCase& testCase = GetParam();
  tq58_test::TempFolder data;
  const fs::path input = data.Path() / "JWC_TEMP.TXT";
  tq58_test::WriteBytes(input, ExchangeText(testCase.Points));
  const tq58_test::EndToEndCase run{testCase.Name,
                                    {"2"},
                                    "tq58",
                                    input.string(),
                                    tq58_test::SettingsFileText(3, 3, testCase.Rows),
                                    ""};

  const tq58_test::ProgramUnderTest native{TQ58_PROGRAM_PATH, "", {}, {}, "native"};
  const tq58_test::ProgramUnderTest windows{
      TQ58_WINDOWS_PROGRAM_PATH,
      ".exe",
      {kWine},
      {"WINEPREFIX=" TQ58_WINE_PREFIX, "WINEDEBUG=-all", "LANG=C.UTF-8", "DISPLAY"},
      "windows"};
  const auto nativeOutcome = tq58_test::RunEndToEndCase(run, native, data.Path());
  const auto windowsOutcome = tq58_test::RunEndToEndCase(run, windows, data.Path());
  ASSERT_EQ(nativeOutcome.Process.ExitStatus, 0);
  ASSERT_EQ(windowsOutcome.Process.ExitStatus, 0);
  ASSERT_TRUE(nativeOutcome.Exchange && windowsOutcome.Exchange);
  // Guards against a trivially equal pair: each of the 10 rows drew its 98 segments.
  EXPECT_GT(std::count(nativeOutcome.Exchange->begin(), nativeOutcome.Exchange->end(), '\n'), 980);
  EXPECT_TRUE(*nativeOutcome.Exchange == *windowsOutcome.Exchange)
      << "first difference, native against Windows, "
      << FirstDifference(*nativeOutcome.Exchange, *windowsOutcome.Exchange);
}

INSTANTIATE_TEST_SUITE_P(Inputs, BuildsDrawAlike, testing::ValuesIn(IdentityCases()),
                         [](const auto& info) { return info.param.Name; });

}  // namespace
