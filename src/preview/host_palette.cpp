// Screen colours, dash patterns and stroke widths of the host's attribute numbers.
#include "preview/host_palette.h"

#include <algorithm>
#include <array>

namespace tq58::preview {

namespace {

// Colours 1..9: light blue, black (white on the host's black screen), green, yellow
// (darkened to be seen on white), magenta, blue, dark cyan, red, and the auxiliary pink.
constexpr std::array<const char*, 9> kScreenColors = {"#00a0c8", "#000000", "#00a000",
                                                      "#b8a000", "#c000c0", "#0000ff",
                                                      "#008080", "#ff0000", "#ff8080"};

// SXF colours 1..16 by their standard values; white is drawn black on the white sheet.
constexpr std::array<const char*, 16> kSxfColors = {
    "#000000", "#ff0000", "#00ff00", "#0000ff", "#ffff00", "#ff00ff", "#00ffff", "#000000",
    "#c00080", "#c08040", "#ff8000", "#80c080", "#0080ff", "#8040ff", "#c0c0c0", "#808080"};

constexpr char kSxfUserColor[] = "#3050a0";
constexpr char kUnknownColor[] = "#000000";
constexpr char kHostEntityColor[] = "#a0a0a0";
constexpr int32_t kSolidOwnColor = 10;  // the colour number that gives a solid its own RGB
constexpr char kSolidFallbackColor[] = "#808080";

constexpr double kDot = 1.5;    // pixels of a dot
constexpr double kGap = 3.0;    // pixels between dashes and dots
constexpr double kDash = 9.0;   // pixels of a dash
constexpr double kLong = 18.0;  // pixels of a long dash

// A chain: one long dash followed by `dots` dots.
std::vector<double> Chain(double dash, int dots, double dot = kDot) {
  std::vector<double> pattern = {dash, kGap};
  for (int i = 0; i < dots; ++i) pattern.insert(pattern.end(), {dot, kGap});
  return pattern;
}

std::vector<double> Doubled(std::vector<double> pattern) {
  for (double& length : pattern) length *= 2.0;
  return pattern;
}

// Pixels per hundredth of a millimetre on paper, at the preview's nominal 4 pixels per mm,
// and the widest stroke drawn, so that a huge width does not cover the drawing.
constexpr double kPixelsPerWidthUnit = 0.04;
constexpr double kWidestStrokePx = 40.0;

}  // namespace

std::string HostColorRgb(int32_t color) {
  if (color >= 1 && color <= 9) return kScreenColors[static_cast<std::size_t>(color - 1)];
  if (color >= 101 && color <= 116) return kSxfColors[static_cast<std::size_t>(color - 101)];
  if (color >= 117 && color <= 356) return kSxfUserColor;
  return kUnknownColor;
}

std::string SolidColorRgb(int32_t color, int32_t rgb) {
  if (color != kSolidOwnColor) return HostColorRgb(color);
  if (rgb < 0 || rgb > 0xFFFFFF) return kSolidFallbackColor;
  constexpr char kHex[] = "0123456789abcdef";
  std::string out = "#";
  for (const int32_t byte : {rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF}) {
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

std::vector<double> HostDashPattern(int32_t lineType) {
  switch (lineType) {
    case 2:
      return {kDash, kGap};  // dotted 1: short dashes
    case 3:
      return {kDot, kGap};  // dotted 2: dots
    case 4:
      return {kDash, kDash};  // dotted 3: sparse dashes
    case 5:
      return Chain(kLong, 1);  // chain 1
    case 6:
      return Chain(kLong, 1, kDash / 3);  // chain 2: short bar instead of a dot
    case 7:
      return Chain(kLong, 2);  // double-dot chain 1
    case 8:
      return Chain(kLong, 2, kDash / 3);  // double-dot chain 2
    case 9:
      return {kDot, kDot};  // auxiliary line
    case 16:
      return Doubled({kDash, kGap});  // double-length forms of 2, 5, 7 and 3
    case 17:
      return Doubled(Chain(kLong, 1));
    case 18:
      return Doubled(Chain(kLong, 2));
    case 19:
      return Doubled({kDot, kGap});
    case 32:
      return {kDash, kGap};  // SXF dashed
    case 33:
      return {kDash, kDash};  // SXF dashed spaced
    case 34:
      return Chain(kLong * 1.5, 1);  // SXF long dashed dotted
    case 35:
      return Chain(kLong * 1.5, 2);  // ... double-dotted
    case 36:
      return Chain(kLong * 1.5, 3);  // ... triplicate-dotted
    case 37:
      return {kDot, kGap};  // SXF dotted
    case 38:
      return {kLong, kGap, kDash / 2, kGap};  // chain
    case 39:
      return {kLong, kGap, kDash / 2, kGap, kDash / 2, kGap};  // chain double dash
    case 40:
      return Chain(kDash, 1);  // dashed dotted
    case 41:
      return {kDash, kGap, kDash, kGap, kDot, kGap};  // double-dashed dotted
    case 42:
      return Chain(kDash, 2);  // dashed double-dotted
    case 43:
      return {kDash, kGap, kDash, kGap, kDot, kGap, kDot, kGap};  // double-dashed double-dotted
    case 44:
      return Chain(kDash, 3);  // dashed triplicate-dotted
    case 45:
      return {kDash, kGap, kDash, kGap, kDot, kGap, kDot, kGap, kDot, kGap};
    default:
      return {};
  }
}

double HostStrokeWidthPx(int32_t width) {
  return std::clamp(static_cast<double>(width) * kPixelsPerWidthUnit, 1.0, kWidestStrokePx);
}

Stroke HostStroke(int32_t color, int32_t lineType, int32_t width) {
  Stroke stroke;
  stroke.color = HostColorRgb(color);
  stroke.widthPx = HostStrokeWidthPx(width);
  stroke.dashPx = HostDashPattern(lineType);
  stroke.host = HostAttributes{color, lineType, width};
  return stroke;
}

Stroke HostEntityStroke() {
  Stroke stroke;
  stroke.color = kHostEntityColor;
  return stroke;
}

}  // namespace tq58::preview
