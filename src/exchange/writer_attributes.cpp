// Attribute commands of the writer (layer, colour, line type and width, text style, text
// colour, font): each is emitted only when forced or when its value changes.
#include <cmath>
#include <cstdint>
#include <string>

#include "exchange/command_format.h"
#include "exchange/writer.h"
#include "util/host_limits.h"
#include "util/real_format.h"

namespace JwwGaibu {
namespace {

using MyFunc::AppendDecimal;

constexpr int32_t kMaxTextStyle = 10;
constexpr int32_t kFreeSizeTextStyle = 0;
constexpr char kFontCommand[] = "cn\"$";

enum class NumberForm { Decimal, Hex };

// Adds "keyword<value>" when forced or changed, then records the value and clears the force
// flag. True when the command was added.
bool EmitAttribute(WriterState& writer, const char* keyword, NumberForm form, int32_t value,
                   int32_t& current, bool& force) {
  if (!force && value == current) return false;
  std::string line = keyword;
  if (form == NumberForm::Hex) {
    AppendHex(line, value);
  } else {
    AppendDecimal(line, value);
  }
  AddOutputLine(writer, line);
  current = value;
  force = false;
  return true;
}

// n + offset in 32-bit two's complement: an index near the top of the range wraps instead of
// overflowing.
int32_t OffsetIndex(int32_t n, int32_t offset) {
  return static_cast<int32_t>(static_cast<uint32_t>(n) + static_cast<uint32_t>(offset));
}

// A size of a free-size text style; infinity and NaN cannot be written, so they count as 0.
double FiniteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

}  // namespace

void ResetWriterState(ExchangeModel& model, WriterState& writer) {
  writer.ForceLayerGroup = true;
  writer.ForceLayer = true;
  writer.ForceLineColor = true;
  writer.ForceLineType = true;
  writer.ForceLineWidth = true;
  writer.ForceTextStyle = true;
  writer.ForceTextColor = true;
  writer.ForceFontName = true;
  model.CurLayerGroup = 0;
  model.CurLayer = 0;
  model.CurLineColor = 1;
  model.CurLineType = 1;
  model.CurLineWidth = 0;
  model.CurTextStyle = 1;
  model.CurTextWidth = 2.0;
  model.CurTextHeight = 2.0;
  model.CurCharSpacing = 0.0;
  model.CurFreeTextColor = 1;
  model.CurTextColor = 0;
  model.CurFontName = kDefaultFontName;
  model.CurPointColor = 1;
  model.CurSolidColor = 0;
}

int32_t MapColorNumber(const ExchangeModel& model, int32_t index) {
  if (index <= 0) return model.HostLineColor;
  if (index <= 9) return index;
  return OffsetIndex(index, 91);
}

int32_t MapLineTypeNumber(const ExchangeModel& model, int32_t index) {
  if (index <= 0) return model.HostLineType;
  if (index <= 9) return index;
  if (index <= 18) return index + 1;
  return OffsetIndex(index, 12);
}

void OutLayerGroup(ExchangeModel& model, WriterState& writer, int32_t layerGroup) {
  // A layer-group command resets the host's layer, so the next layer command must follow.
  if (EmitAttribute(writer, "lg", NumberForm::Hex, layerGroup, model.CurLayerGroup,
                    writer.ForceLayerGroup)) {
    writer.ForceLayer = true;
  }
}

void OutLayer(ExchangeModel& model, WriterState& writer, int32_t layer) {
  EmitAttribute(writer, "ly", NumberForm::Hex, layer, model.CurLayer, writer.ForceLayer);
}

void OutLineColor(ExchangeModel& model, WriterState& writer, int32_t color, int32_t mapIndex) {
  const int32_t value = mapIndex == 1 ? MapColorNumber(model, color) : color;
  EmitAttribute(writer, "lc", NumberForm::Decimal, value, model.CurLineColor,
                writer.ForceLineColor);
}

void OutLineType(ExchangeModel& model, WriterState& writer, int32_t lineType, int32_t mapIndex) {
  const int32_t value = mapIndex == 1 ? MapLineTypeNumber(model, lineType) : lineType;
  EmitAttribute(writer, "lt", NumberForm::Decimal, value, model.CurLineType, writer.ForceLineType);
}

void OutLineWidth(ExchangeModel& model, WriterState& writer, int32_t width) {
  // A host that announced no widths does not understand width commands.
  if (!model.LineWidthSeen) return;
  int32_t value = width == MyFunc::kHostLineWidth ? model.HostLineWidth : width;
  if (value < 0 || value > MyFunc::kMaxLineWidth) value = 0;
  EmitAttribute(writer, "lw", NumberForm::Decimal, value, model.CurLineWidth,
                writer.ForceLineWidth);
}

void OutTextStyle(ExchangeModel& model, WriterState& writer, int32_t style, int32_t color,
                  int32_t mapIndex, double width, double height, double spacing) {
  if (mapIndex == 1) color = MapColorNumber(model, color);
  if (style < 0 || style > kMaxTextStyle) {
    style = model.HostTextStyle;
    if (style == kFreeSizeTextStyle) {
      width = model.HostTextWidth;
      height = model.HostTextHeight;
      spacing = model.HostCharSpacing;
      color = model.HostFreeTextColor;
    }
  }
  const bool freeSize = style == kFreeSizeTextStyle;
  if (freeSize) {
    width = FiniteOrZero(width);
    height = FiniteOrZero(height);
    spacing = FiniteOrZero(spacing);
  }
  const bool freeSizeChanged =
      freeSize && (width != model.CurTextWidth || height != model.CurTextHeight ||
                   spacing != model.CurCharSpacing || color != model.CurFreeTextColor);
  if (!writer.ForceTextStyle && style == model.CurTextStyle && !freeSizeChanged) return;

  std::string line = "cn";
  AppendDecimal(line, style);
  if (freeSize) {
    line += ' ';
    AppendReals(line, {width, height, spacing, static_cast<double>(color)});
    model.CurTextWidth = width;
    model.CurTextHeight = height;
    model.CurCharSpacing = spacing;
    model.CurFreeTextColor = color;
  }
  AddOutputLine(writer, line);
  model.CurTextStyle = style;
  writer.ForceTextStyle = false;
}

void OutTextColor(ExchangeModel& model, WriterState& writer, int32_t textColor) {
  const int32_t value = MyFunc::IsTextColor(textColor) ? textColor : 0;
  EmitAttribute(writer, "cc", NumberForm::Decimal, value, model.CurTextColor,
                writer.ForceTextColor);
}

void OutFontName(ExchangeModel& model, WriterState& writer, std::string_view fontName) {
  if (fontName.empty() || fontName == "<>") fontName = model.HostFontName;
  if (!writer.ForceFontName && fontName == model.CurFontName) return;
  std::string line = kFontCommand;
  line += fontName;
  AddOutputLine(writer, line);
  model.CurFontName = fontName;
  writer.ForceFontName = false;
}

}  // namespace JwwGaibu
