// Range rules of a preset row and the text form of each of its fields.
#include "multiline/presets.h"

#include "util/overloaded.h"
#include "util/real_format.h"
#include "util/text_convert.h"

namespace tq58 {

using MyFunc::Overloaded;

double ApplyRadiusRule(double radius) {
  // Written so that NaN, which compares false, becomes 0 as well.
  return radius > 0.0 ? radius : 0.0;
}

int32_t ApplyLineWidthRule(int32_t width) {
  return width < kHostLineWidth || width > MyFunc::kMaxLineWidth ? kHostLineWidth : width;
}

void ApplyLineRowRules(TLineRow& row) {
  row.Radius = ApplyRadiusRule(row.Radius);
  row.LineWidth = ApplyLineWidthRule(row.LineWidth);
}

void AppendLineRowField(std::string& out, const TLineRow& row, const LineRowField& field) {
  std::visit(Overloaded{
                 [&](bool TLineRow::*flag) { out += MyFunc::BoolToText(row.*flag); },
                 [&](double TLineRow::*real) { MyFunc::AppendReal(out, row.*real); },
                 [&](int32_t TLineRow::*integer) { MyFunc::AppendDecimal(out, row.*integer); },
             },
             field);
}

void SetLineRowField(TLineRow& row, const LineRowField& field, std::string_view text) {
  std::visit(Overloaded{
                 [&](bool TLineRow::*flag) { row.*flag = MyFunc::TextToBool(text); },
                 [&](double TLineRow::*real) { row.*real = MyFunc::TextToFloat(text); },
                 [&](int32_t TLineRow::*integer) { row.*integer = MyFunc::TextToInt(text); },
             },
             field);
}

}  // namespace tq58
