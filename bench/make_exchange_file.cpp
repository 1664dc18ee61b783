// Writes a deterministic exchange file like the one the host writes for a large selection,
// and optionally a settings file whose current preset draws all 10 rows.
//
//   tq58_make_exchange_file ENTITY_LINES EXCHANGE_PATH [SETTINGS_PATH]
//
// The file holds a host header, 99 indicated points, then ENTITY_LINES entity lines in the
// proportions of an architectural plan, with layer and attribute lines between them. The
// same count always gives the same bytes, and a smaller file is the start of a larger one.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "presets/presets.h"
#include "presets/settings_file.h"
#include "util/real_format.h"

namespace {

constexpr std::uint64_t kSeed = 20240601;
constexpr double kDrawingSize = 60000.0;  // extent of the plan in drawing units (mm)

// Room names, layer names and the font in Shift-JIS, as a Japanese drawing holds them.
constexpr std::string_view kRoomNames[] = {
    "\x90\x51\x8E\xBA",  // bedroom
    "\x91\xE4\x8F\x8A",  // kitchen
    "\x8C\xBA\x8A\xD6",  // entrance
    "\x97\x6D\x8E\xBA"
    "6\x8F\xF4",         // Western room, 6 mats
    "\x98\x61\x8E\xBA",  // Japanese room
    "\x97\x81\x8E\xBA",  // bathroom
    "\x98\x4C\x89\xBA",  // corridor
    "\x8E\xFB\x94\x5B",  // storage
    "W=1800",
    "CH=2400",
};
constexpr std::string_view kLayerNames[] = {
    "\x92\xCA\x82\xE8\x90\x63",  // grid lines
    "\x8A\x4F\x95\xC7",          // outer walls
    "\x88\xEA\x94\xCA\x90\x7D",  // general plan
    "\x8A\xEE\x8F\x80\x90\xFC",  // reference lines
    "\x90\xA1\x96\x40",          // dimensions
};
constexpr std::string_view kFontLine = "cn$<\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E>";

class Generator {
 public:
  explicit Generator(std::ofstream& out) : out_(out) {}

  void WriteHeader() {
    Line("file=C:\\jww\\plans\\house-1F.jww");
    Line("hk 0");
    Line("hs 50 50 100 100 100 100 100 100 100 100 100 100 100 100 100 1");
    Line("hzs 594 420");
    Line("hcw 2 2.5 3 4 5 6 7 8 10 12");
    Line("hch 2 2.5 3 4 5 6 7 8 10 12");
    Line("hcd 0 0 0.5 0.5 1 1 1 1.5 2 2");
    Line("hcc 1 1 1 2 2 2 3 3 4 4");
    // The current layer and attributes come first: the first of each kind is the host's.
    Line("lg2");
    Line("ly1");
    Line("lc1");
    Line("lt1");
    Line("lw0");
    Line("cn3");
    Line("cc1");
    Line(kFontLine);
    for (int group = 0; group < 16; ++group) {
      Line("lg" + HexDigit(group) + " 2");
      Line("lgn" + Name(kLayerNames, group));
      for (int layer = 0; layer < 16; layer += 3) {
        Line("ly" + HexDigit(layer) + " 2");
        Line("lyn" + Name(kLayerNames, group + layer));
      }
    }
    Line("lg2");
    Line("ly1");
  }

  // A zigzag of 99 points along the outer wall, with corners long enough to be rounded.
  void WriteIndicatedPoints() {
    for (int i = 1; i <= 99; ++i) {
      std::string line = "hp" + std::to_string(i) + ' ';
      tq58::util::AppendReal(line, 1200.0 * i);
      line += ' ';
      tq58::util::AppendReal(line, i % 2 == 0 ? 0.0 : 900.0 + 7.25 * (i % 5));
      Line(line);
    }
  }

  void WriteEntities(std::uint64_t count) {
    for (std::uint64_t i = 0; i < count; ++i) {
      if (Chance(0.05)) WriteAttributeChange();
      const double pick = Uniform();
      if (pick < 0.72) {
        WriteSegment();
      } else if (pick < 0.79) {
        WriteArc();
      } else if (pick < 0.83) {
        WriteCircle();
      } else if (pick < 0.92) {
        WriteText();
      } else if (pick < 0.95) {
        WritePoint();
      } else {
        WriteSolid();
      }
    }
  }

 private:
  void Line(std::string_view text) { out_ << text << "\r\n"; }

  static std::string HexDigit(int value) { return std::string(1, "0123456789ABCDEF"[value & 15]); }

  template <std::size_t N>
  static std::string Name(const std::string_view (&names)[N], int index) {
    return std::string(names[static_cast<std::size_t>(index) % N]);
  }

  // Uniform in [0, 1) from the generator's raw bits, the same on every standard library.
  double Uniform() { return static_cast<double>(random_() >> 11) * 0x1.0p-53; }
  bool Chance(double p) { return Uniform() < p; }
  int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

  // Most coordinates sit on a 0.5 mm grid; the rest are computed values with full digits.
  double Coordinate(double value) {
    return Chance(0.6) ? static_cast<double>(static_cast<std::int64_t>(value * 2.0)) / 2.0 : value;
  }
  double Position() { return Coordinate(Uniform() * kDrawingSize); }

  void AppendReals(std::string& line, std::initializer_list<double> values) {
    for (double value : values) {
      line += ' ';
      tq58::util::AppendReal(line, value);
    }
  }

  void WriteAttributeChange() {
    switch (Below(10)) {
      case 0:
        Line("lg" + HexDigit(Below(16)));
        Line("ly" + HexDigit(Below(16)));
        break;
      case 1:
      case 2:
        Line("ly" + HexDigit(Below(16)));
        break;
      case 3:
      case 4:
        Line("lc" + std::to_string(1 + Below(9)));
        break;
      case 5:
        Line("lt" + std::to_string(1 + Below(9)));
        break;
      case 6:
        Line("lw" + std::to_string(Below(4) * 25));
        break;
      case 7:
        Line(Chance(0.5) ? "cn" + std::to_string(1 + Below(10)) : "cn0 3.5 3.5 0.5 2");
        break;
      case 8:
        Line("cc" + std::to_string(Below(9)));
        break;
      default:
        Line("lc10 " + std::to_string(Below(256)));  // a solid colour
        break;
    }
  }

  // Walls and grid lines are mostly horizontal or vertical.
  void WriteSegment() {
    const double x = Position();
    const double y = Position();
    const double length = 100.0 + Uniform() * 4900.0;
    double dx = length;
    double dy = 0.0;
    if (Chance(0.3)) {
      const double angle = Uniform() * 6.283185307179586;
      dx = length * std::cos(angle);
      dy = length * std::sin(angle);
    } else if (Chance(0.5)) {
      dx = 0.0;
      dy = length;
    }
    std::string line;
    tq58::util::AppendReal(line, x);
    AppendReals(line, {y, Coordinate(x + dx), Coordinate(y + dy)});
    Line(line);
  }

  void WriteArc() {
    std::string line = "ci";
    const double start = Coordinate(Uniform() * 360.0);
    AppendReals(line, {Position(), Position(), Coordinate(50.0 + Uniform() * 950.0), start,
                       Coordinate(start + 90.0), 1.0, 0.0});
    Line(line);
  }

  void WriteCircle() {
    std::string line = "ci";
    AppendReals(line, {Position(), Position(), Coordinate(5.0 + Uniform() * 500.0)});
    Line(line);
  }

  void WriteText() {
    static constexpr std::string_view kKeywords[] = {"ch", "ch", "ch", "ch", "cs", "cv", "cr"};
    std::string line(Name(kKeywords, Below(7)));
    const bool vertical = Chance(0.1);
    AppendReals(line, {Position(), Position(), vertical ? 0.0 : 1.0, vertical ? 1.0 : 0.0});
    line += " \"";
    line += Name(kRoomNames, Below(10));
    Line(line);
  }

  void WritePoint() {
    std::string line = "pt";
    AppendReals(line, {Position(), Position()});
    Line(line);
  }

  // Filled rectangles (columns, hatching); now and then a triangle.
  void WriteSolid() {
    const double x = Position();
    const double y = Position();
    const double w = Coordinate(100.0 + Uniform() * 900.0);
    const double h = Coordinate(100.0 + Uniform() * 900.0);
    std::string line = "sl";
    if (Chance(0.2)) {
      AppendReals(line, {x, y, x + w, y, x, y + h});
    } else {
      AppendReals(line, {x, y, x + w, y, x + w, y + h, x, y + h});
    }
    Line(line);
  }

  std::ofstream& out_;
  std::mt19937_64 random_{kSeed};
};

// Preset 1, the current preset, draws all 10 rows at different spacings, radii and colours.
bool WriteSettingsFile(const std::filesystem::path& path) {
  tq58::PresetStore store;
  store.CurrentPreset = 1;
  tq58::TLineTable& preset = store.Preset(1);
  preset.Comment = "bench";
  for (int r = 0; r < tq58::kRowsPerPreset; ++r) {
    tq58::TLineRow& row = preset.Lines[static_cast<std::size_t>(r)];
    row.DrawOn = true;
    row.Spacing = -225.0 + 50.0 * r;
    row.Radius = 20.0 + 10.0 * r;
    row.ColorIndex = 1 + r % 9;
    row.LineTypeIndex = r % 3;
    row.LineWidth = -1;
  }
  return static_cast<bool>(tq58::SaveSettings(store, path));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: %s ENTITY_LINES EXCHANGE_PATH [SETTINGS_PATH]\n", argv[0]);
    return 2;
  }
  const std::uint64_t count = std::strtoull(argv[1], nullptr, 10);
  std::ofstream out(argv[2], std::ios::binary);
  Generator generator(out);
  generator.WriteHeader();
  generator.WriteIndicatedPoints();
  generator.WriteEntities(count);
  out.close();
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  if (argc == 4 && !WriteSettingsFile(argv[3])) {
    std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
