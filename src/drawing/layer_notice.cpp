// The notice of rows and a fill moved off protected layers (Shift-JIS; the text in the comment
// above each).
#include "drawing/layer_notice.h"

#include <string_view>

#include "drawing/layer_choice.h"
#include "util/real_format.h"

namespace tq58 {
namespace {

// clang-format off
// 行
constexpr std::string_view kRow = "\x8D\x73";
// 塗り
constexpr std::string_view kFill = "\x93\x68\x82\xE8";
// 、
constexpr std::string_view kComma = "\x81\x41";
// は、レイヤがプロテクトされているため書込みレイヤに作図しました。
constexpr std::string_view kMoved =
    "\x82\xCD\x81\x41\x83\x8C\x83\x43\x83\x84\x82\xAA\x83\x76\x83\x8D\x83\x65\x83\x4E\x83\x67"
    "\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xE9\x82\xBD\x82\xDF\x8F\x91\x8D\x9E\x82\xDD\x83\x8C"
    "\x83\x43\x83\x84\x82\xC9\x8D\xEC\x90\x7D\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42";
// clang-format on

void AppendListed(std::string& text, std::string_view item) {
  if (!text.empty()) text += kComma;
  text += item;
}

}  // namespace

std::string ProtectedLayersNotice(const exchange::ExchangeModel& model, const TLineTable& table) {
  std::string text;
  for (int r = 0; r < kRowsPerPreset; ++r) {
    const TLineRow& row = table.Lines[static_cast<std::size_t>(r)];
    if (!row.DrawOn || !MovedToWriteLayer(model, row.Layer)) continue;
    std::string item(kRow);
    util::AppendDecimal(item, r + 1);
    AppendListed(text, item);
  }
  if (table.Options.Fill && MovedToWriteLayer(model, table.Options.FillLayer)) {
    AppendListed(text, kFill);
  }
  if (!text.empty()) text += kMoved;
  return text;
}

}  // namespace tq58
