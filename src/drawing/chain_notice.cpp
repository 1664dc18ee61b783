// The texts of a chain-mode run's notice and error (Shift-JIS; the text in the comment above
// each).
#include "drawing/chain_notice.h"

#include <numeric>
#include <string_view>

#include "util/real_format.h"

namespace tq58 {
namespace {

// clang-format off
// tq58：連続線を
constexpr std::string_view kDrewLead = "tq58\x81\x46\x98\x41\x91\xB1\x90\xFC\x82\xF0";
// 本作図しました。
constexpr std::string_view kDrewTail =
    "\x96\x7B\x8D\xEC\x90\x7D\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42";
// tq58：作図できる線が選択の中にありません。
constexpr std::string_view kNothingToDraw =
    "tq58\x81\x46\x8D\xEC\x90\x7D\x82\xC5\x82\xAB\x82\xE9\x90\xFC\x82\xAA\x91\x49"
    "\x91\xF0\x82\xCC\x92\x86\x82\xC9\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42";
// 選択した
constexpr std::string_view kSelected = "\x91\x49\x91\xF0\x82\xB5\x82\xBD";
// 個のうち
constexpr std::string_view kOf = "\x8C\xC2\x82\xCC\x82\xA4\x82\xBF";
// 個は使っていません（
constexpr std::string_view kUnused =
    "\x8C\xC2\x82\xCD\x8E\x67\x82\xC1\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x69";
// ）。
constexpr std::string_view kUnusedTail = "\x81\x6A\x81\x42";
// 、
constexpr std::string_view kComma = "\x81\x41";
// ：
constexpr std::string_view kColon = "\x81\x46";

// Per reason, in the order of LeftOut: 線・円弧以外, 楕円弧, ブロック内, 座標が範囲外, 長さ0,
// 重複.
constexpr std::string_view kReasons[kLeftOutReasons] = {
    "\x90\xFC\x81\x45\x89\x7E\x8C\xCA\x88\xC8\x8A\x4F",
    "\x91\xC8\x89\x7E\x8C\xCA",
    "\x83\x75\x83\x8D\x83\x62\x83\x4E\x93\xE0",
    "\x8D\xC0\x95\x57\x82\xAA\x94\xCD\x88\xCD\x8A\x4F",
    "\x92\xB7\x82\xB3" "0",
    "\x8F\x64\x95\xA1",
};
// clang-format on

// "選択したM個のうちK個は使っていません（線・円弧以外：a、重複：b）。", nothing when none
// was left out.
void AppendLeftOut(std::string& text, int64_t selected, const LeftOutCounts& leftOut) {
  const int64_t total = std::accumulate(leftOut.begin(), leftOut.end(), int64_t{0});
  if (total == 0) return;
  text += kSelected;
  util::AppendDecimal(text, selected);
  text += kOf;
  util::AppendDecimal(text, total);
  text += kUnused;
  bool first = true;
  for (std::size_t reason = 0; reason < kLeftOutReasons; ++reason) {
    if (leftOut[reason] == 0) continue;
    if (!first) text += kComma;
    first = false;
    text += kReasons[reason];
    text += kColon;
    util::AppendDecimal(text, leftOut[reason]);
  }
  text += kUnusedTail;
}

}  // namespace

std::string ChainNotice(int64_t chains, int64_t selected, const LeftOutCounts& leftOut) {
  std::string text(kDrewLead);
  util::AppendDecimal(text, chains);
  text += kDrewTail;
  AppendLeftOut(text, selected, leftOut);
  return text;
}

std::string NoChainMessage(int64_t selected, const LeftOutCounts& leftOut) {
  std::string text(kNothingToDraw);
  AppendLeftOut(text, selected, leftOut);
  return text;
}

}  // namespace tq58
