// Drawing commands for the host: emit operations that append command lines to the output
// list (attribute commands only when the value changes), and the final write of the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "exchange/model.h"

namespace JwwGaibu {

// Sets every force flag and returns the current drawing state to its start values.
void ResetWriterState(ExchangeModel& model, WriterState& writer);

// Appends one line, cut to 255 bytes (never inside a double-byte character).
void AddOutputLine(WriterState& writer, std::string_view line);

// Host colour number of a colour-list index: 0 or below the host's colour, 1..9 the same,
// 10 and above n + 91.
int32_t MapColorNumber(const ExchangeModel& model, int32_t index);

// Host line-type number of a line-type-list index: 0 or below the host's type, 1..9 the same,
// 10..18 n + 1, 19 and above n + 12.
int32_t MapLineTypeNumber(const ExchangeModel& model, int32_t index);

void OutLayerGroup(ExchangeModel& model, WriterState& writer, int32_t layerGroup);
void OutLayer(ExchangeModel& model, WriterState& writer, int32_t layer);
// mapIndex 1: `color` is a colour-list index; any other value: a host colour number.
void OutLineColor(ExchangeModel& model, WriterState& writer, int32_t color, int32_t mapIndex);
// mapIndex 1: `lineType` is a line-type-list index; any other value: a host number.
void OutLineType(ExchangeModel& model, WriterState& writer, int32_t lineType, int32_t mapIndex);
// -1 stands for the host's width; nothing happens unless the host announced widths.
void OutLineWidth(ExchangeModel& model, WriterState& writer, int32_t width);
void OutTextStyle(ExchangeModel& model, WriterState& writer, int32_t style, int32_t color,
                  int32_t mapIndex, double width, double height, double spacing);
void OutTextColor(ExchangeModel& model, WriterState& writer, int32_t textColor);
void OutFontName(ExchangeModel& model, WriterState& writer, std::string_view fontName);

// A straight segment; nothing for one shorter than 1e-8 in both axes.
void OutSegment(WriterState& writer, double x1, double y1, double x2, double y2);
// An arc from `start` to `end` degrees counterclockwise; nothing for r or |flatness| <= 1e-8.
void OutArc(WriterState& writer, double cx, double cy, double r, double start, double end,
            double flatness, double tilt);
// A text at (x, y) in direction (dx, dy); nothing for a null direction or an invisible text.
void OutText(WriterState& writer, int32_t textKind, std::string_view text, double x, double y,
             double dx, double dy);

// Replaces the file with the output list ("hq" when it is empty), CR LF line breaks. On any
// failure no partly written file remains: the file is removed and the result is false.
bool WriteExchangeFile(const WriterState& writer, const std::filesystem::path& path);

}  // namespace JwwGaibu
