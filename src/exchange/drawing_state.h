// The host's drawing state as the attribute lines of an exchange file set it: the reader keeps
// one for the next entity, the writer one for what it last told the host.
#pragma once

#include <cstdint>
#include <string>

namespace tq58::exchange {

// The host's default font, "<ＭＳ ゴシック>" in Shift-JIS.
inline constexpr char kDefaultFontName[] = "<\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e>";

// The values of the layer, colour, line type, width, text style, text colour and font lines.
// The start values are the host's at the start of a file.
struct DrawingState {
  int32_t CurLayerGroup = 0;
  int32_t CurLayer = 0;
  int32_t CurLineColor = 1;
  int32_t CurLineType = 1;
  int32_t CurLineWidth = 0;
  int32_t CurTextStyle = 1;   // 0 = free size
  double CurTextWidth = 2.0;  // width, height, spacing and colour of the free size
  double CurTextHeight = 2.0;
  double CurCharSpacing = 0.0;
  int32_t CurFreeTextColor = 1;
  int32_t CurTextColor = 0;  // 0..8
  std::string CurFontName = kDefaultFontName;

  bool operator==(const DrawingState&) const = default;
};

}  // namespace tq58::exchange
