// The in-memory picture of the host's exchange file: header values, layer tables, indicated
// points, the entities in fifteen typed lists plus their file order, the host's current
// attributes and the state the reader carries from line to line. Coordinates are drawing
// units, angles degrees.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "exchange/drawing_state.h"
#include "exchange/writer_state.h"

namespace tq58::exchange {

inline constexpr int kLayerGroupCount = 16;
inline constexpr int kLayersPerGroup = 16;
inline constexpr int kHpPointSlots = 100;  // index 0 unused, points 1..99
inline constexpr int kTextStyleCount = 10;
inline constexpr std::size_t kShortTextLimit = 255;  // bytes kept of a text or font name

struct TTextStyle {
  double Width = 3.0;
  double Height = 3.0;
  double CharSpacing = 0.0;
  int32_t Color = 2;  // host colour number

  bool operator==(const TTextStyle&) const = default;
};

// How an indicated point was qualified by its "hp" keyword.
enum HpKind : int32_t { HpPlain = 0, HpDash = 1, HpLn = 2, HpCi = 3, HpCh = 4 };

struct THpPoint {
  bool Defined = false;
  double X = 0.0;
  double Y = 0.0;
  int32_t Kind = HpPlain;

  bool operator==(const THpPoint&) const = default;
};

// Attributes every entity record starts with.
struct TEntityHeader {
  int32_t Hhp = 0;
  int32_t LayerGroup = 0;
  int32_t Layer = 0;
  int32_t Color = 0;
  int32_t LineType = 0;
  int32_t LineWidth = 0;
  int32_t ZFlags = 0;        // bits 1, 2, 4, 8, 16 for "z1" to "z5"
  bool BlockMember = false;  // read between a "BL" line and the "#" that closes its block

  bool operator==(const TEntityHeader&) const = default;
};

// Entity kinds, numbered as in EntityOrder.
enum EntityKind : int32_t {
  KindLine = 1,
  KindCircle = 2,
  KindArc = 3,
  KindText = 4,
  KindPoint = 5,
  KindParamPoint = 6,
  KindMsgText = 7,
  KindBlock = 8,
  KindSolid2 = 9,
  KindSolid3 = 10,
  KindSolid4 = 11,
  KindSc = 12,
  KindSe = 13,
  KindSo = 14,
  KindSg = 15,
};

struct TJwwEntLine {
  TEntityHeader Header;
  int32_t Polyline = 0;  // polyline number, 0 outside any polyline
  double X1 = 0.0, Y1 = 0.0, X2 = 0.0, Y2 = 0.0;

  bool operator==(const TJwwEntLine&) const = default;
};

struct TJwwEntCircle {
  TEntityHeader Header;
  double X = 0.0, Y = 0.0, Radius = 0.0;

  bool operator==(const TJwwEntCircle&) const = default;
};

struct TJwwEntArc {
  TEntityHeader Header;
  double X = 0.0, Y = 0.0, Radius = 0.0, StartAngle = 0.0, EndAngle = 0.0, Flatness = 0.0,
         Tilt = 0.0;

  bool operator==(const TJwwEntArc&) const = default;
};

struct TJwwEntText {
  TEntityHeader Header;
  int32_t TextKind = 0;   // 0 "ch", 1 "cv", 2 "cs", ... 9 "c2"
  int32_t TextColor = 0;  // 0..8
  int32_t TextStyle = 0;
  double Width = 0.0, Height = 0.0, CharSpacing = 0.0;
  double X = 0.0, Y = 0.0, DirX = 0.0, DirY = 0.0;
  std::string FontName;  // at most 255 bytes
  std::string Text;      // at most 255 bytes

  bool operator==(const TJwwEntText&) const = default;
};

struct TJwwEntPoint {
  TEntityHeader Header;
  double X = 0.0, Y = 0.0;

  bool operator==(const TJwwEntPoint&) const = default;
};

struct TJwwEntParamPoint {
  TEntityHeader Header;
  double X = 0.0, Y = 0.0, Param1 = 0.0, Param2 = 0.0;
  int32_t ParamCode = 0;

  bool operator==(const TJwwEntParamPoint&) const = default;
};

// A "cs" text with the segment that a "msg" line held for it.
struct TJwwEntMsgText {
  TEntityHeader Header;
  TJwwEntLine Segment;
  TJwwEntText Text;

  bool operator==(const TJwwEntMsgText&) const = default;
};

struct TJwwEntBlk {
  TEntityHeader Header;
  double X = 0.0, Y = 0.0;
  std::string Name;

  bool operator==(const TJwwEntBlk&) const = default;
};

struct TJwwEntSolid2 {
  TEntityHeader Header;
  int32_t SolidColor = 0;
  double X1 = 0.0, Y1 = 0.0, X2 = 0.0, Y2 = 0.0;

  bool operator==(const TJwwEntSolid2&) const = default;
};

struct TJwwEntSolid3 {
  TEntityHeader Header;
  int32_t SolidColor = 0;
  double X1 = 0.0, Y1 = 0.0, X2 = 0.0, Y2 = 0.0, X3 = 0.0, Y3 = 0.0;

  bool operator==(const TJwwEntSolid3&) const = default;
};

struct TJwwEntSolid4 {
  TEntityHeader Header;
  int32_t SolidColor = 0;
  double X1 = 0.0, Y1 = 0.0, X2 = 0.0, Y2 = 0.0, X3 = 0.0, Y3 = 0.0, X4 = 0.0, Y4 = 0.0;

  bool operator==(const TJwwEntSolid4&) const = default;
};

// "sc" and "se" records: an arc's seven reals and a code.
struct TJwwEntSolidArc {
  TEntityHeader Header;
  int32_t SolidColor = 0;
  double X = 0.0, Y = 0.0, Radius = 0.0, StartAngle = 0.0, EndAngle = 0.0, Flatness = 0.0,
         Tilt = 0.0;
  int32_t Code = 0;

  bool operator==(const TJwwEntSolidArc&) const = default;
};

// "so" and "sg" records: eight reals.
struct TJwwEntSolidValues {
  TEntityHeader Header;
  int32_t SolidColor = 0;
  std::array<double, 8> V{};

  bool operator==(const TJwwEntSolidValues&) const = default;
};

// One entity in file order: its kind and its zero-based index in the list of that kind.
struct TEntityOrderItem {
  int32_t Kind = 0;
  int32_t Index = 0;

  bool operator==(const TEntityOrderItem&) const = default;
};

// What the reader carries from line to line: the drawing state and the point and solid
// colours that the next entity gets, and the values that belong to the next entity alone.
struct ReadingState : DrawingState {
  int32_t CurPointColor = 1;
  int32_t CurSolidColor = 0;
  int32_t PendingHhp = 0;     // the latest "hhp" number, for the next entity only
  int32_t PendingZFlags = 0;  // "z1".."z5" bits, for the next entity only
  int32_t PolylineCount = 0;  // "pl" lines read so far
  bool InPolyline = false;    // plain segments take PolylineCount as their polyline number
  bool PolylineOpen = false;  // a "pl" group awaits the "#" that closes it
  int32_t OpenBlocks = 0;     // "BL" groups (blocks in blocks too) awaiting their "#"
  bool MsgPending = false;    // a "msg" line was read: plain segments are held, not stored
  TJwwEntLine MsgSegment{{0, 0, 0, 1, 1, 0, 0}, 0, 0.0, 0.0, 1.0, 0.0};  // held for a "cs" text

  bool operator==(const ReadingState&) const = default;
};

struct ExchangeModel {
  // Header values.
  std::string FileName;
  double HkValue = 0.0;
  std::array<double, kLayerGroupCount> LayerGroupScale{};  // start value 1.0 each
  double SheetWidth = 1189.0;
  double SheetHeight = 841.0;
  std::array<TTextStyle, kTextStyleCount> TextStyles{};
  std::array<double, 4> HnValues{};

  // The host's current attributes: the first value of each kind in the file.
  int32_t HostLayerGroup = 0;
  int32_t HostLayer = 0;
  int32_t HostLineColor = 1;
  int32_t HostLineType = 1;
  int32_t HostLineWidth = 0;
  int32_t HostTextStyle = 1;  // 0 = free size
  double HostTextWidth = 2.0;
  double HostTextHeight = 2.0;
  double HostCharSpacing = 0.0;
  int32_t HostFreeTextColor = 1;
  std::string HostFontName;
  bool LineWidthSeen = false;  // the file held an "lw" line

  // Set while the matching host value has not been taken from the file.
  bool HostLayerGroupPending = true;
  bool HostLayerPending = true;
  bool HostLineColorPending = true;
  bool HostLineTypePending = true;
  bool HostLineWidthPending = true;
  bool HostTextStylePending = true;

  // Layer tables; layers are indexed layer group * 16 + layer.
  std::array<int32_t, kLayerGroupCount> LayerGroupStates{};
  std::array<std::string, kLayerGroupCount> LayerGroupNames;
  std::array<int32_t, kLayerGroupCount * kLayersPerGroup> LayerStates{};
  std::array<std::string, kLayerGroupCount * kLayersPerGroup> LayerNames;

  // Indicated points 1..99 (index 0 unused).
  std::array<THpPoint, kHpPointSlots> HpPoints{};
  int32_t HpPointCount = 0;

  // Entities, one list per kind, and all of them in file order.
  std::vector<TJwwEntLine> LineList;
  std::vector<TJwwEntCircle> CircleList;
  std::vector<TJwwEntArc> ArcList;
  std::vector<TJwwEntText> TextList;
  std::vector<TJwwEntPoint> PointList;
  std::vector<TJwwEntParamPoint> ParamPointList;
  std::vector<TJwwEntMsgText> MsgTextList;
  std::vector<TJwwEntBlk> BlockList;
  std::vector<TJwwEntSolid2> Solid2List;
  std::vector<TJwwEntSolid3> Solid3List;
  std::vector<TJwwEntSolid4> Solid4List;
  std::vector<TJwwEntSolidArc> ScList;
  std::vector<TJwwEntSolidArc> SeList;
  std::vector<TJwwEntSolidValues> SoList;
  std::vector<TJwwEntSolidValues> SgList;
  std::vector<TEntityOrderItem> EntityOrder;

  // What the next line's entity gets; the writer keeps a state of its own (WriterState).
  ReadingState Reading;

  ExchangeModel();
  bool operator==(const ExchangeModel&) const = default;
};

// Calls `visit` with each of the fifteen entity lists of `model` (const or not), in the order
// of their kinds.
template <typename Model, typename Visitor>
requires std::same_as<std::remove_const_t<Model>, ExchangeModel>
void ForEachEntityList(Model& model, Visitor&& visit) {
  visit(model.LineList);
  visit(model.CircleList);
  visit(model.ArcList);
  visit(model.TextList);
  visit(model.PointList);
  visit(model.ParamPointList);
  visit(model.MsgTextList);
  visit(model.BlockList);
  visit(model.Solid2List);
  visit(model.Solid3List);
  visit(model.Solid4List);
  visit(model.ScList);
  visit(model.SeList);
  visit(model.SoList);
  visit(model.SgList);
}

// Adds one to a counter of the reading state; one that a pathological file could push past
// the integer range stops at its top.
inline void CountUp(int32_t& counter) {
  if (counter < INT32_MAX) ++counter;
}

// Every value of the model at its start value, every list empty, the output list empty.
void ClearExchangeModel(ExchangeModel& model, WriterState& writer);

// Releases the storage of the entity lists, the order list and the output list.
void FreeExchangeModel(ExchangeModel& model, WriterState& writer);

// The header of a new record from the reading state: its drawing state and pending values.
void InitEntityHeader(const ExchangeModel& model, TEntityHeader& header);

// Appends one (kind, index) pair to EntityOrder.
void AddEntityOrder(ExchangeModel& model, int32_t kind, int32_t index);

// The scale of `layerGroup` from LayerGroupScale. The reader keeps layer groups within 0..15;
// any other number gives scale 1 rather than a read outside the table.
double LayerGroupScaleOf(const ExchangeModel& model, int32_t layerGroup);

// The state numbers of a layer in the host's file: hidden, shown only, editable, and the layer
// it writes to. A protected layer, to which the host lets nothing be written, has a number
// above these four.
inline constexpr int32_t kLastPlainLayerState = 3;

// True when the file gives layer `layer` of `layerGroup` the state of a protected layer. A
// layer or layer group outside 0..15 is no layer of the file, and not protected.
bool LayerIsProtected(const ExchangeModel& model, int32_t layerGroup, int32_t layer);

}  // namespace tq58::exchange
