// Records for circles, arcs, texts, "msg" pairs, points, blocks, solids and plain segments.
#include "exchange/entity_lines.h"

#include <string_view>
#include <vector>

#include "geometry/geometry.h"
#include "geometry/tolerances.h"
#include "util/text_cut.h"

namespace tq58::exchange {
namespace {

constexpr int32_t kMsgTextKind = 2;  // only a "cs" text completes a "msg" pair

using geometry::PointD;

// Corner j (from 1) of a solid: fields 2j - 1 and 2j.
PointD Corner(const FieldSplitter& fields, int j) {
  return {fields.Real(2 * j - 1), fields.Real(2 * j)};
}

void Store(PointD p, double& x, double& y) {
  x = p.x;
  y = p.y;
}

bool Coincide(PointD a, PointD b) {
  return geometry::SamePoint(a, b, geometry::kSolidPointTolerance);
}

// Records the entity in EntityOrder, appends its record and gives it its header.
template <typename Record>
Record& MakeRecord(ExchangeModel& model, std::vector<Record>& list, EntityKind kind) {
  AddEntityOrder(model, kind, static_cast<int32_t>(list.size()));
  Record& record = list.emplace_back();
  InitEntityHeader(model, record.Header);
  return record;
}

// The pending values belong to one entity only.
void ClearPending(ExchangeModel& model) {
  model.Reading.PendingZFlags = 0;
  model.Reading.PendingHhp = 0;
}

// Every entity line but the plain segment also ends a polyline group and a pending "msg".
void FinishEntity(ExchangeModel& model) {
  ClearPending(model);
  model.Reading.InPolyline = false;
  model.Reading.MsgPending = false;
}

// "ch" 0, "cv" 1, "cs" 2, "cr" 3, "co" 4, "cp" 5, "ct" 6, "ck" 7, "cz" 8, "c2" 9; else -1.
int32_t TextKindOf(std::string_view keyword) {
  constexpr std::string_view kSecondLetters = "hvsroptkz2";
  if (keyword.size() != 2 || keyword[0] != 'c') return -1;
  const std::size_t kind = kSecondLetters.find(keyword[1]);
  return kind == std::string_view::npos ? -1 : static_cast<int32_t>(kind);
}

// Fills a text record whose header is made: kind, colours, the size of the current style,
// position, direction, font and text. The style also decides the header's colour.
void FillText(const ExchangeModel& model, const FieldSplitter& fields, int32_t textKind,
              TJwwEntText& text) {
  const ReadingState& reading = model.Reading;
  text.TextKind = textKind;
  text.TextColor = reading.CurTextColor;
  text.TextStyle = reading.CurTextStyle;
  if (reading.CurTextStyle >= 1 && reading.CurTextStyle <= kTextStyleCount) {
    const TTextStyle& style = model.TextStyles[static_cast<std::size_t>(reading.CurTextStyle - 1)];
    text.Width = style.Width;
    text.Height = style.Height;
    text.CharSpacing = style.CharSpacing;
    text.Header.Color = style.Color;
  } else {
    // Free size, and any style number the table does not hold.
    text.Width = reading.CurTextWidth;
    text.Height = reading.CurTextHeight;
    text.CharSpacing = reading.CurCharSpacing;
    text.Header.Color = reading.CurFreeTextColor;
  }
  text.X = fields.Real(1);
  text.Y = fields.Real(2);
  text.DirX = fields.Real(3);
  text.DirY = fields.Real(4);
  text.FontName = util::CutToByteLimit(reading.CurFontName, kShortTextLimit);
  text.Text = util::CutToByteLimit(fields.Field(5), kShortTextLimit);
}

void ApplyText(ExchangeModel& model, const FieldSplitter& fields, int32_t textKind) {
  if (model.Reading.MsgPending && textKind == kMsgTextKind) {
    TJwwEntMsgText& pair = MakeRecord(model, model.MsgTextList, KindMsgText);
    pair.Segment = model.Reading.MsgSegment;
    InitEntityHeader(model, pair.Text.Header);
    FillText(model, fields, textKind, pair.Text);
  } else {
    // Any other text leaves a held segment unused.
    FillText(model, fields, textKind, MakeRecord(model, model.TextList, KindText));
  }
  FinishEntity(model);
}

// The seven reals of an arc from fields 1 to 7: centre, radius, start and end angle,
// flatness, tilt.
template <typename ArcRecord>
void SetArcReals(const FieldSplitter& fields, ArcRecord& arc) {
  arc.X = fields.Real(1);
  arc.Y = fields.Real(2);
  arc.Radius = fields.Real(3);
  arc.StartAngle = fields.Real(4);
  arc.EndAngle = fields.Real(5);
  arc.Flatness = fields.Real(6);
  arc.Tilt = fields.Real(7);
}

// "ci": a circle with three numbers, an arc with seven or more.
bool ApplyCircleLine(ExchangeModel& model, const FieldSplitter& fields) {
  const int n = fields.Count();
  if (n == 4) {
    TJwwEntCircle& circle = MakeRecord(model, model.CircleList, KindCircle);
    circle.X = fields.Real(1);
    circle.Y = fields.Real(2);
    circle.Radius = fields.Real(3);
  } else if (n >= 8) {
    SetArcReals(fields, MakeRecord(model, model.ArcList, KindArc));
  } else {
    return false;
  }
  FinishEntity(model);
  return true;
}

// "ci" and the text keywords.
bool ApplyCLine(ExchangeModel& model, const FieldSplitter& fields) {
  const std::string_view keyword = fields.Field(0);
  if (keyword == "ci") return ApplyCircleLine(model, fields);
  const int32_t textKind = TextKindOf(keyword);
  if (textKind < 0 || fields.Count() < 6) return false;
  ApplyText(model, fields, textKind);
  return true;
}

// "pt": a point, or a point with parameters; both in the point colour.
bool ApplyPointLine(ExchangeModel& model, const FieldSplitter& fields) {
  const int n = fields.Count();
  if (n == 3) {
    TJwwEntPoint& point = MakeRecord(model, model.PointList, KindPoint);
    point.Header.Color = model.Reading.CurPointColor;
    point.X = fields.Real(1);
    point.Y = fields.Real(2);
  } else if (n >= 6) {
    TJwwEntParamPoint& point = MakeRecord(model, model.ParamPointList, KindParamPoint);
    point.Header.Color = model.Reading.CurPointColor;
    point.X = fields.Real(1);
    point.Y = fields.Real(2);
    point.Param1 = fields.Real(3);
    point.Param2 = fields.Real(4);
    point.ParamCode = fields.Int(5);
  } else {
    return false;
  }
  FinishEntity(model);
  return true;
}

void MakeSolid(ExchangeModel& model, PointD p1, PointD p2) {
  TJwwEntSolid2& solid = MakeRecord(model, model.Solid2List, KindSolid2);
  solid.SolidColor = model.Reading.CurSolidColor;
  Store(p1, solid.X1, solid.Y1);
  Store(p2, solid.X2, solid.Y2);
}

void MakeSolid(ExchangeModel& model, PointD p1, PointD p2, PointD p3) {
  TJwwEntSolid3& solid = MakeRecord(model, model.Solid3List, KindSolid3);
  solid.SolidColor = model.Reading.CurSolidColor;
  Store(p1, solid.X1, solid.Y1);
  Store(p2, solid.X2, solid.Y2);
  Store(p3, solid.X3, solid.Y3);
}

void MakeSolid(ExchangeModel& model, PointD p1, PointD p2, PointD p3, PointD p4) {
  TJwwEntSolid4& solid = MakeRecord(model, model.Solid4List, KindSolid4);
  solid.SolidColor = model.Reading.CurSolidColor;
  Store(p1, solid.X1, solid.Y1);
  Store(p2, solid.X2, solid.Y2);
  Store(p3, solid.X3, solid.Y3);
  Store(p4, solid.X4, solid.Y4);
}

// Three corners; a corner that repeats its neighbour collapses the solid to two points
// (the first and the last corner are not compared).
void MakeThreePointSolid(ExchangeModel& model, PointD p1, PointD p2, PointD p3) {
  if (Coincide(p1, p2)) {
    MakeSolid(model, p1, p3);
  } else if (Coincide(p2, p3)) {
    MakeSolid(model, p1, p2);
  } else {
    MakeSolid(model, p1, p2, p3);
  }
}

// Four corners; repeated corners collapse the solid, tested in a fixed order.
void MakeFourPointSolid(ExchangeModel& model, PointD p1, PointD p2, PointD p3, PointD p4) {
  const bool c12 = Coincide(p1, p2);
  const bool c13 = Coincide(p1, p3);
  const bool c23 = Coincide(p2, p3);
  const bool c14 = Coincide(p1, p4);
  const bool c24 = Coincide(p2, p4);
  const bool c34 = Coincide(p3, p4);
  if (c12 && c13) {
    MakeSolid(model, p1, p4);
  } else if (c23 && c24) {
    MakeSolid(model, p1, p2);
  } else if (c12 && c34) {
    MakeSolid(model, p1, p3);
  } else if (c14 || c24 || c34) {
    MakeSolid(model, p1, p2, p3);
  } else if (c13 || c23) {
    MakeSolid(model, p1, p2, p4);
  } else if (c12) {
    MakeSolid(model, p1, p3, p4);
  } else {
    MakeSolid(model, p1, p2, p3, p4);
  }
}

// "sl" with two, three or four corners.
bool ApplySolidLine(ExchangeModel& model, const FieldSplitter& fields) {
  const int n = fields.Count();
  if (n == 5) {
    MakeSolid(model, Corner(fields, 1), Corner(fields, 2));
  } else if (n == 7) {
    MakeThreePointSolid(model, Corner(fields, 1), Corner(fields, 2), Corner(fields, 3));
  } else if (n >= 9) {
    MakeFourPointSolid(model, Corner(fields, 1), Corner(fields, 2), Corner(fields, 3),
                       Corner(fields, 4));
  } else {
    return false;
  }
  FinishEntity(model);
  return true;
}

// "sc" and "se": an arc's seven reals and a code.
void MakeSolidArc(ExchangeModel& model, const FieldSplitter& fields,
                  std::vector<TJwwEntSolidArc>& list, EntityKind kind) {
  TJwwEntSolidArc& record = MakeRecord(model, list, kind);
  record.SolidColor = model.Reading.CurSolidColor;
  SetArcReals(fields, record);
  record.Code = fields.Int(8);
}

// "so" and "sg": eight reals.
void MakeSolidValues(ExchangeModel& model, const FieldSplitter& fields,
                     std::vector<TJwwEntSolidValues>& list, EntityKind kind) {
  TJwwEntSolidValues& record = MakeRecord(model, list, kind);
  record.SolidColor = model.Reading.CurSolidColor;
  for (std::size_t k = 0; k < record.V.size(); ++k) {
    record.V[k] = fields.Real(static_cast<int>(k) + 1);
  }
}

// "sl", "sc", "se", "so", "sg".
bool ApplySLine(ExchangeModel& model, const FieldSplitter& fields) {
  const std::string_view keyword = fields.Field(0);
  if (keyword == "sl") return ApplySolidLine(model, fields);
  if (fields.Count() < 9) return false;
  if (keyword == "sc") {
    MakeSolidArc(model, fields, model.ScList, KindSc);
  } else if (keyword == "se") {
    MakeSolidArc(model, fields, model.SeList, KindSe);
  } else if (keyword == "so") {
    MakeSolidValues(model, fields, model.SoList, KindSo);
  } else if (keyword == "sg") {
    MakeSolidValues(model, fields, model.SgList, KindSg);
  } else {
    return false;
  }
  FinishEntity(model);
  return true;
}

bool ApplyBlockLine(ExchangeModel& model, const FieldSplitter& fields) {
  if (fields.Field(0) != "BL" || fields.Count() < 4) return false;
  TJwwEntBlk& block = MakeRecord(model, model.BlockList, KindBlock);
  block.X = fields.Real(1);
  block.Y = fields.Real(2);
  block.Name = fields.Field(3);
  FinishEntity(model);
  // The entities up to the "#" that closes it are the block's members. A curve holds no
  // block, so one still open has ended.
  model.Reading.PolylineOpen = false;
  CountUp(model.Reading.OpenBlocks);
  return true;
}

void SetSegment(const FieldSplitter& fields, TJwwEntLine& line) {
  line.X1 = fields.Real(0);
  line.Y1 = fields.Real(1);
  line.X2 = fields.Real(2);
  line.Y2 = fields.Real(3);
}

}  // namespace

bool ApplyEntityLine(ExchangeModel& model, const FieldSplitter& fields) {
  const std::string_view keyword = fields.Field(0);
  // The keywords of different first letters never overlap, so the first letter picks the
  // group and each group keeps the order of its rules.
  switch (keyword.empty() ? '\0' : keyword.front()) {
    case 'c':
      return ApplyCLine(model, fields);
    case 'p':
      return keyword == "pt" && ApplyPointLine(model, fields);
    case 'B':
      return ApplyBlockLine(model, fields);
    case 's':
      return ApplySLine(model, fields);
    default:
      return false;
  }
}

void ApplyPlainSegment(ExchangeModel& model, const FieldSplitter& fields) {
  if (model.Reading.MsgPending) {
    // Held for the "cs" text that completes the pair; a later segment replaces it.
    InitEntityHeader(model, model.Reading.MsgSegment.Header);
    model.Reading.MsgSegment.Polyline = 0;
    SetSegment(fields, model.Reading.MsgSegment);
  } else {
    TJwwEntLine& line = MakeRecord(model, model.LineList, KindLine);
    line.Polyline = model.Reading.InPolyline ? model.Reading.PolylineCount : 0;
    SetSegment(fields, line);
  }
  // A plain segment leaves the polyline and "msg" states as they are: the segments after a
  // "pl" line share its number.
  ClearPending(model);
}

}  // namespace tq58::exchange
