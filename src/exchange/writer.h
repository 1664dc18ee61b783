// Drawing commands for the host: emit operations that append command lines to the output
// list (attribute commands only when the value changes), and the final write of the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "exchange/model.h"

namespace tq58::exchange {

// Starts the writer's record afresh: every force flag set, the drawing state at its start
// values. The output list stays as it is.
void ResetWriterState(WriterState& writer);

// Appends one line, cut to 255 bytes (never inside a double-byte character).
void AddOutputLine(WriterState& writer, std::string_view line);

// Host colour number of a colour-list index: 0 or below the host's colour, 1..9 the same,
// 10 and above n + 91.
int32_t MapColorNumber(const ExchangeModel& model, int32_t index);

// Host line-type number of a line-type-list index: 0 or below the host's type, 1..9 the same,
// 10..18 n + 1, 19 and above n + 12.
int32_t MapLineTypeNumber(const ExchangeModel& model, int32_t index);

// What a colour or line-type number given to the writer is.
enum class NumberKind {
  HostNumber,  // the host's own number, written as it is
  ListIndex,   // an index in the dialog's list, mapped with MapColorNumber / MapLineTypeNumber
};

// The attribute commands read the host's values from `model` and never change it.
void OutLayerGroup(WriterState& writer, int32_t layerGroup);
void OutLayer(WriterState& writer, int32_t layer);
void OutLineColor(const ExchangeModel& model, WriterState& writer, int32_t color, NumberKind kind);
void OutLineType(const ExchangeModel& model, WriterState& writer, int32_t lineType,
                 NumberKind kind);
// -1 stands for the host's width; nothing happens unless the host announced widths.
void OutLineWidth(const ExchangeModel& model, WriterState& writer, int32_t width);
// A style outside 0..10 is the host's style; `kind` applies to `color`.
void OutTextStyle(const ExchangeModel& model, WriterState& writer, int32_t style, int32_t color,
                  NumberKind kind, double width, double height, double spacing);
// A colour outside 0..8 becomes 0.
void OutTextColor(WriterState& writer, int32_t textColor);
// An empty name or "<>" is the host's font.
void OutFontName(const ExchangeModel& model, WriterState& writer, std::string_view fontName);

// Whether OutSegment, OutArc and OutCircle write anything for these values.
bool SegmentIsWritten(double x1, double y1, double x2, double y2);
bool ArcIsWritten(double cx, double cy, double r, double start, double end, double flatness,
                  double tilt);
bool CircleIsWritten(double cx, double cy, double r);

// A straight segment; nothing for one shorter than 1e-8 in both axes.
void OutSegment(WriterState& writer, double x1, double y1, double x2, double y2);
// An arc from `start` to `end` degrees counterclockwise; nothing for r or |flatness| <= 1e-8.
void OutArc(WriterState& writer, double cx, double cy, double r, double start, double end,
            double flatness, double tilt);
// A full circle; nothing for r <= 1e-8.
void OutCircle(WriterState& writer, double cx, double cy, double r);
// A text at (x, y) in direction (dx, dy); nothing for a null direction or an invisible text.
void OutText(WriterState& writer, int32_t textKind, std::string_view text, double x, double y,
             double dx, double dy);

// A message that the host shows its user as an error: "he" and `text` (Shift-JIS), with its
// line breaks as blanks so that it stays one line.
void OutErrorMessage(WriterState& writer, std::string_view text);
// A notice that the host shows its user: "h#" and `text`, on one line as above.
void OutNotice(WriterState& writer, std::string_view text);

// Replaces the file with the output list ("hq" when it is empty), CR LF line breaks. On any
// failure no partly written file remains: the file is removed and the result is false.
bool WriteExchangeFile(const WriterState& writer, const std::filesystem::path& path);

}  // namespace tq58::exchange
