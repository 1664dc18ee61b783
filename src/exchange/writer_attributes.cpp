// Attribute commands of the writer (layer, colour, line type and width, text style, text
// colour, font): each is emitted only when forced or when its value changes.
#include <cmath>
#include <cstdint>
#include <string>

#include "exchange/command_format.h"
#include "exchange/writer.h"
#include "util/host_limits.h"
#include "util/real_format.h"

namespace tq58::exchange {
namespace {

using util::AppendDecimal;

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

void ResetWriterState(WriterState& writer) { writer.Emitted = EmittedState{}; }

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

void OutLayerGroup(WriterState& writer, int32_t layerGroup) {
  EmittedState& emitted = writer.Emitted;
  // A layer-group command resets the host's layer, so the next layer command must follow.
  if (EmitAttribute(writer, "lg", NumberForm::Hex, layerGroup, emitted.CurLayerGroup,
                    emitted.ForceLayerGroup)) {
    emitted.ForceLayer = true;
  }
}

void OutLayer(WriterState& writer, int32_t layer) {
  EmittedState& emitted = writer.Emitted;
  EmitAttribute(writer, "ly", NumberForm::Hex, layer, emitted.CurLayer, emitted.ForceLayer);
}

void OutLineColor(const ExchangeModel& model, WriterState& writer, int32_t color, NumberKind kind) {
  EmittedState& emitted = writer.Emitted;
  const int32_t value = kind == NumberKind::ListIndex ? MapColorNumber(model, color) : color;
  EmitAttribute(writer, "lc", NumberForm::Decimal, value, emitted.CurLineColor,
                emitted.ForceLineColor);
}

void OutLineType(const ExchangeModel& model, WriterState& writer, int32_t lineType,
                 NumberKind kind) {
  EmittedState& emitted = writer.Emitted;
  const int32_t value =
      kind == NumberKind::ListIndex ? MapLineTypeNumber(model, lineType) : lineType;
  EmitAttribute(writer, "lt", NumberForm::Decimal, value, emitted.CurLineType,
                emitted.ForceLineType);
}

void OutLineWidth(const ExchangeModel& model, WriterState& writer, int32_t width) {
  // A host that announced no widths does not understand width commands.
  if (!model.LineWidthSeen) return;
  int32_t value = width == util::kHostLineWidth ? model.HostLineWidth : width;
  if (value < 0 || value > util::kMaxLineWidth) value = 0;
  EmitAttribute(writer, "lw", NumberForm::Decimal, value, writer.Emitted.CurLineWidth,
                writer.Emitted.ForceLineWidth);
}

void OutTextStyle(const ExchangeModel& model, WriterState& writer, int32_t style, int32_t color,
                  NumberKind kind, double width, double height, double spacing) {
  EmittedState& emitted = writer.Emitted;
  if (kind == NumberKind::ListIndex) color = MapColorNumber(model, color);
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
      freeSize && (width != emitted.CurTextWidth || height != emitted.CurTextHeight ||
                   spacing != emitted.CurCharSpacing || color != emitted.CurFreeTextColor);
  if (!emitted.ForceTextStyle && style == emitted.CurTextStyle && !freeSizeChanged) return;

  std::string line = "cn";
  AppendDecimal(line, style);
  if (freeSize) {
    line += ' ';
    AppendReals(line, {width, height, spacing, static_cast<double>(color)});
    emitted.CurTextWidth = width;
    emitted.CurTextHeight = height;
    emitted.CurCharSpacing = spacing;
    emitted.CurFreeTextColor = color;
  }
  AddOutputLine(writer, line);
  emitted.CurTextStyle = style;
  emitted.ForceTextStyle = false;
}

void OutTextColor(WriterState& writer, int32_t textColor) {
  const int32_t value = util::IsTextColor(textColor) ? textColor : 0;
  EmitAttribute(writer, "cc", NumberForm::Decimal, value, writer.Emitted.CurTextColor,
                writer.Emitted.ForceTextColor);
}

void OutFontName(const ExchangeModel& model, WriterState& writer, std::string_view fontName) {
  EmittedState& emitted = writer.Emitted;
  if (fontName.empty() || fontName == "<>") fontName = model.HostFontName;
  if (!emitted.ForceFontName && fontName == emitted.CurFontName) return;
  std::string line = kFontCommand;
  line += fontName;
  AddOutputLine(writer, line);
  emitted.CurFontName = fontName;
  emitted.ForceFontName = false;
}

}  // namespace tq58::exchange
