// The exchange-file lines that set header values, layer tables, the host's attributes, the
// drawing state and the indicated points.
#include "exchange/state_lines.h"

#include <climits>

#include "util/host_limits.h"
#include "util/text_convert.h"

namespace tq58::exchange {
namespace {

using util::TextToInt;

// `text` from its character `position` (counted from 1) to its end; empty when shorter.
std::string_view From(std::string_view text, std::size_t position) {
  return position <= text.size() ? text.substr(position - 1) : std::string_view{};
}

// The character at `position` (from 1) as one hexadecimal digit; 0 when missing or no digit.
int32_t HexDigitAt(std::string_view text, std::size_t position) {
  if (position > text.size()) return 0;
  const int digit = util::HexDigitValue(text[position - 1]);
  return digit < 0 ? 0 : digit;
}

// Indexes into the layer tables. Reading only ever sets layer groups and layers of 0..15; the
// mask keeps an index inside its table whatever else a caller left in the model.
std::size_t GroupSlot(int32_t layerGroup) { return static_cast<std::size_t>(layerGroup & 15); }
std::size_t LayerSlot(int32_t layerGroup, int32_t layer) {
  return GroupSlot(layerGroup) * kLayersPerGroup + static_cast<std::size_t>(layer & 15);
}

// The first value of a kind in the file is the host's current setting.
void TakeFirst(bool& pending, int32_t& hostValue, int32_t value) {
  if (!pending) return;
  hostValue = value;
  pending = false;
}

// R(1) to R(10) into one real of the ten text styles.
void ReadStyleReals(ExchangeModel& model, const FieldSplitter& fields, double TTextStyle::*member) {
  int field = 1;
  for (TTextStyle& style : model.TextStyles) style.*member = fields.Real(field++);
}

// "hp<i>" with an optional suffix "-", "ln", "ci" or "ch" that qualifies the point; the last
// of these found in the list wins, and the number stops at its first occurrence.
void ApplyIndicatedPoint(ExchangeModel& model, const FieldSplitter& fields) {
  struct Suffix {
    std::string_view mark;
    int32_t kind;
  };
  static constexpr Suffix kSuffixes[] = {{"-", HpDash}, {"ln", HpLn}, {"ci", HpCi}, {"ch", HpCh}};
  const std::string_view keyword = fields.Field(0);
  std::string_view number = keyword.substr(2);
  int32_t kind = HpPlain;
  for (const Suffix& suffix : kSuffixes) {
    // None of the marks can occur inside the leading "hp", so `at` is at least 2.
    if (const std::size_t at = keyword.find(suffix.mark); at != std::string_view::npos) {
      number = keyword.substr(2, at - 2);
      kind = suffix.kind;
    }
  }
  const int32_t index = TextToInt(number);
  if (index < 1 || index >= kHpPointSlots) return;
  THpPoint& point = model.HpPoints[static_cast<std::size_t>(index)];
  point.Defined = true;
  point.X = fields.Real(1);
  point.Y = fields.Real(2);
  point.Kind = kind;
  CountUp(model.HpPointCount);
}

// "hhp<number>" with an optional suffix "ln", "ci" or "ch": the digits between "hhp" and
// the suffix. A suffix counts when it starts after the 4th character (from 1).
void ApplyHhpNumber(ExchangeModel& model, std::string_view keyword) {
  std::size_t length = keyword.size();
  for (std::string_view mark : {"ln", "ci", "ch"}) {
    if (const std::size_t at = keyword.find(mark); at != std::string_view::npos && at >= 4) {
      length = at - 3;
    }
  }
  model.Reading.PendingHhp = TextToInt(keyword.substr(3, length));
}

// "hk", "hs", "hzs", "hcw", "hch", "hcd", "hcc", "hn", "hp", "hhp".
bool ApplyHLine(ExchangeModel& model, const FieldSplitter& fields) {
  const std::string_view keyword = fields.Field(0);
  const int n = fields.Count();
  if (keyword == "hk" && n >= 2) {
    model.HkValue = fields.Real(1);
  } else if (keyword == "hs" && n >= 17) {
    int field = 1;
    for (double& scale : model.LayerGroupScale) scale = fields.Real(field++);
  } else if (keyword == "hzs" && n >= 3) {
    model.SheetWidth = fields.Real(1);
    model.SheetHeight = fields.Real(2);
  } else if (keyword == "hcw" && n >= 11) {
    ReadStyleReals(model, fields, &TTextStyle::Width);
  } else if (keyword == "hch" && n >= 11) {
    ReadStyleReals(model, fields, &TTextStyle::Height);
  } else if (keyword == "hcd" && n >= 11) {
    ReadStyleReals(model, fields, &TTextStyle::CharSpacing);
  } else if (keyword == "hcc" && n >= 11) {
    int field = 1;
    for (TTextStyle& style : model.TextStyles) style.Color = fields.Int(field++);
  } else if (keyword == "hn" && n >= 5) {
    int field = 1;
    for (double& value : model.HnValues) value = fields.Real(field++);
  } else if (keyword.starts_with("hp") && n >= 3) {
    ApplyIndicatedPoint(model, fields);
  } else if (keyword.starts_with("hhp")) {
    ApplyHhpNumber(model, keyword);
  } else {
    return false;
  }
  return true;
}

// "lgn", "lyn", "lg", "ly", "lc", "lt", "lw".
bool ApplyLLine(ExchangeModel& model, const FieldSplitter& fields) {
  ReadingState& reading = model.Reading;
  const std::string_view keyword = fields.Field(0);
  const bool hasState = fields.Count() >= 2;
  if (keyword.starts_with("lgn")) {
    model.LayerGroupNames[GroupSlot(reading.CurLayerGroup)] = From(keyword, 4);
    return true;
  }
  if (keyword.starts_with("lyn")) {
    model.LayerNames[LayerSlot(reading.CurLayerGroup, reading.CurLayer)] = From(keyword, 4);
    return true;
  }
  if (keyword.starts_with("lg")) {
    const int32_t layerGroup = HexDigitAt(keyword, 3);
    TakeFirst(model.HostLayerGroupPending, model.HostLayerGroup, layerGroup);
    reading.CurLayerGroup = layerGroup;
    if (hasState) model.LayerGroupStates[GroupSlot(layerGroup)] = fields.Int(1);
  } else if (keyword.starts_with("ly")) {
    const int32_t layer = HexDigitAt(keyword, 3);
    TakeFirst(model.HostLayerPending, model.HostLayer, layer);
    reading.CurLayer = layer;
    if (hasState) model.LayerStates[LayerSlot(reading.CurLayerGroup, layer)] = fields.Int(1);
  } else if (keyword.starts_with("lc")) {
    const int32_t color = TextToInt(From(keyword, 3));
    TakeFirst(model.HostLineColorPending, model.HostLineColor, color);
    reading.CurLineColor = color;
    // Colour 10 is the solid colour, which the line carries as its second field.
    if (color == 10 && hasState) reading.CurSolidColor = fields.Int(1);
  } else if (keyword.starts_with("lt")) {
    const int32_t lineType = TextToInt(From(keyword, 3));
    TakeFirst(model.HostLineTypePending, model.HostLineType, lineType);
    reading.CurLineType = lineType;
  } else if (keyword.starts_with("lw")) {
    const int32_t width = TextToInt(From(keyword, 3));
    TakeFirst(model.HostLineWidthPending, model.HostLineWidth, width);
    reading.CurLineWidth = width;
    model.LineWidthSeen = true;
  } else {
    return false;
  }
  reading.InPolyline = false;
  return true;
}

// "cn<style>": style 0 is the free size, whose width, height, spacing and colour follow.
void ApplyTextStyle(ExchangeModel& model, const FieldSplitter& fields) {
  ReadingState& reading = model.Reading;
  const int32_t style = TextToInt(From(fields.Field(0), 3));
  const bool freeSize = style == 0 && fields.Count() >= 5;
  reading.CurTextStyle = style;
  if (freeSize) {
    reading.CurTextWidth = fields.Real(1);
    reading.CurTextHeight = fields.Real(2);
    reading.CurCharSpacing = fields.Real(3);
    reading.CurFreeTextColor = fields.Int(4);
  }
  if (!model.HostTextStylePending) return;
  // The first "cn" line is the host's style, with the free size when the line gives one.
  model.HostTextStyle = style;
  if (freeSize) {
    model.HostTextWidth = reading.CurTextWidth;
    model.HostTextHeight = reading.CurTextHeight;
    model.HostCharSpacing = reading.CurCharSpacing;
    model.HostFreeTextColor = reading.CurFreeTextColor;
  }
  model.HostTextStylePending = false;
}

// "cn$", "cn", "cc".
bool ApplyCLine(ExchangeModel& model, const FieldSplitter& fields) {
  const std::string_view keyword = fields.Field(0);
  if (keyword.starts_with("cn$")) {
    const std::string_view fontName = From(keyword, 4);
    if (model.HostFontName.empty()) model.HostFontName = fontName;
    model.Reading.CurFontName = fontName;
  } else if (keyword.starts_with("cn")) {
    ApplyTextStyle(model, fields);
  } else if (keyword.starts_with("cc")) {
    // Only the one character after "cc" is the colour.
    const int32_t color = TextToInt(keyword.substr(2, 1));
    model.Reading.CurTextColor = util::IsTextColor(color) ? color : 0;
  } else {
    return false;
  }
  model.Reading.InPolyline = false;
  return true;
}

// "pn", "pl".
bool ApplyPLine(ExchangeModel& model, const FieldSplitter& fields) {
  const std::string_view keyword = fields.Field(0);
  if (keyword.starts_with("pn")) {
    model.Reading.CurPointColor = TextToInt(From(keyword, 3));
    model.Reading.InPolyline = false;
  } else if (keyword == "pl") {
    CountUp(model.Reading.PolylineCount);
    model.Reading.InPolyline = true;
    model.Reading.PolylineOpen = true;
    model.Reading.MsgPending = false;
  } else {
    return false;
  }
  return true;
}

// A "#" closes the innermost open group: the "pl" curve opened last, else the block opened
// last. A "#" with no group open (the end of the header) closes nothing.
void CloseGroup(ReadingState& reading) {
  if (reading.PolylineOpen) {
    reading.PolylineOpen = false;
  } else if (reading.OpenBlocks > 0) {
    --reading.OpenBlocks;
  }
}

// "z1" to "z5" mark the next entity with the bits 1, 2, 4, 8, 16.
bool ApplyZLine(ExchangeModel& model, std::string_view keyword) {
  if (keyword.size() != 2 || keyword[1] < '1' || keyword[1] > '5') return false;
  model.Reading.PendingZFlags |= 1 << (keyword[1] - '1');
  return true;
}

}  // namespace

bool ApplyStateLine(ExchangeModel& model, const FieldSplitter& fields) {
  const std::string_view keyword = fields.Field(0);
  // "file=" may stand anywhere in the first field; the name is taken from its 6th character.
  if (keyword.find("file=") != std::string_view::npos) {
    model.FileName = From(keyword, 6);
    return true;
  }
  // Keywords of different first letters never overlap, so the first letter picks the group
  // and each group keeps the order of its rules.
  switch (keyword.empty() ? '\0' : keyword.front()) {
    case 'h':
      return ApplyHLine(model, fields);
    case 'b':
      return keyword == "bz";  // known, but stores nothing
    case 'l':
      return ApplyLLine(model, fields);
    case 'c':
      return ApplyCLine(model, fields);
    case 'z':
      return ApplyZLine(model, keyword);
    case 'p':
      return ApplyPLine(model, fields);
    case 'm':
      if (keyword != "msg") return false;
      model.Reading.MsgPending = true;
      model.Reading.InPolyline = false;
      return true;
    case '#':
      if (keyword != "#") return false;
      model.Reading.InPolyline = false;
      model.Reading.MsgPending = false;
      CloseGroup(model.Reading);
      return true;
    default:
      return false;
  }
}

}  // namespace tq58::exchange
