// The colour, line-type, width and layer entries of a line row, in the order the host's numbers
// are mapped from.
#include "ui/line_row_lists.h"

#include <initializer_list>
#include <string_view>

namespace tq58::ui {
namespace {

// `prefix` followed by each number from `first` to `last` in plain decimal.
void AppendNumbered(std::vector<std::string>& entries, std::string_view prefix, int first,
                    int last) {
  for (int number = first; number <= last; ++number) {
    entries.push_back(std::string(prefix) + std::to_string(number));
  }
}

void AppendAll(std::vector<std::string>& entries, std::initializer_list<std::string_view> texts) {
  for (std::string_view text : texts) entries.emplace_back(text);
}

std::vector<std::string> BuildColorEntries() {
  std::vector<std::string> entries;
  entries.reserve(kColorEntryCount);
  entries.emplace_back("\x8C\xBB\x8D\xDD\x90\xFC\x90\x46");  // 現在線色
  AppendNumbered(entries, "\x90\xFC\x90\x46", 1, 8);         // 線色1 .. 線色8
  AppendAll(entries, {
                         "\x95\xE2\x8F\x95\x90\xFC\x90\x46",  // 補助線色
                         "SXF/\x8D\x95\x90\x46",              // SXF/黒色
                         "SXF/\x90\xD4\x90\x46",              // SXF/赤色
                         "SXF/\x97\xCE\x90\x46",              // SXF/緑色
                         "SXF/\x90\xC2\x90\x46",              // SXF/青色
                         "SXF/\x89\xA9\x90\x46",              // SXF/黄色
                         "SXF/\x8E\x87\x90\x46",              // SXF/紫色
                         "SXF/\x90\x85\x90\x46",              // SXF/水色
                         "SXF/\x94\x92\x90\x46",              // SXF/白色
                         "S/\x94\x5A\x8E\x87\x90\x46",        // S/濃紫色
                         "SXF/\x92\x83\x90\x46",              // SXF/茶色
                         "SXF/\x9E\xF2\x90\x46",              // SXF/橙色
                         "S/\x96\xBE\x97\xCE\x90\x46",        // S/明緑色
                         "S/\x96\xBE\x90\xC2\x90\x46",        // S/明青色
                         "S/\x94\x96\x8E\x87\x90\x46",        // S/薄紫色
                         "S/\x96\xBE\x8A\x44\x90\x46",        // S/明灰色
                         "S/\x88\xC3\x8A\x44\x90\x46",        // S/暗灰色
                     });
  AppendNumbered(entries, "SXF-", 17, 256);
  return entries;
}

std::vector<std::string> BuildLineTypeEntries() {
  std::vector<std::string> entries;
  entries.reserve(kLineTypeEntryCount);
  entries.emplace_back("\x8C\xBB\x8D\xDD\x90\xFC\x8E\xED");                   // 現在線種
  entries.emplace_back("\x8E\xC0\x90\xFC");                                   // 実線
  AppendNumbered(entries, "\x93\x5F\x90\xFC", 1, 3);                          // 点線1..3
  AppendNumbered(entries, "\x88\xEA\x93\x5F\x8D\xBD\x90\xFC", 1, 2);          // 一点鎖線1..2
  AppendNumbered(entries, "\x93\xF1\x93\x5F\x8D\xBD\x90\xFC", 1, 2);          // 二点鎖線1..2
  entries.emplace_back("\x95\xE2\x8F\x95\x90\xFC\x8E\xED");                   // 補助線種
  AppendNumbered(entries, "\x83\x89\x83\x93\x83\x5F\x83\x80\x90\xFC", 1, 5);  // ランダム線1..5
  AppendNumbered(entries, "\x94\x7B\x92\xB7\x90\xFC\x8E\xED", 1, 4);          // 倍長線種1..4
  AppendAll(entries, {
                         "SXF/\x8E\xC0\x90\xFC",                              // SXF/実線
                         "SXF/\x94\x6A\x90\xFC",                              // SXF/破線
                         "\x92\xB5\x82\xD1\x94\x6A\x90\xFC",                  // 跳び破線
                         "\x88\xEA\x93\x5F\x92\xB7\x8D\xBD\x90\xFC",          // 一点長鎖線
                         "\x93\xF1\x93\x5F\x92\xB7\x8D\xBD\x90\xFC",          // 二点長鎖線
                         "\x8E\x4F\x93\x5F\x92\xB7\x8D\xBD\x90\xFC",          // 三点長鎖線
                         "\x93\x5F\x90\xFC",                                  // 点線
                         "\x88\xEA\x93\x5F\x8D\xBD\x90\xFC",                  // 一点鎖線
                         "\x93\xF1\x93\x5F\x8D\xBD\x90\xFC",                  // 二点鎖線
                         "\x88\xEA\x93\x5F\x92\x5A\x8D\xBD\x90\xFC",          // 一点短鎖線
                         "\x88\xEA\x93\x5F\x93\xF1\x92\x5A\x8D\xBD\x90\xFC",  // 一点二短鎖線
                         "\x93\xF1\x93\x5F\x92\x5A\x8D\xBD\x90\xFC",          // 二点短鎖線
                         "\x93\xF1\x93\x5F\x93\xF1\x92\x5A\x8D\xBD\x90\xFC",  // 二点二短鎖線
                         "\x8E\x4F\x93\x5F\x92\x5A\x8D\xBD\x90\xFC",          // 三点短鎖線
                         "\x8E\x4F\x93\x5F\x93\xF1\x92\x5A\x8D\xBD\x90\xFC",  // 三点二短鎖線
                         "(\x97\x5C\x96\xF1)",                                // (予約)
                     });
  AppendNumbered(entries, "SXF-", 17, 32);
  return entries;
}

std::vector<std::string> BuildWidthEntries() {
  return {"-1",  "0",   "10",  "20",  "30", "40", "50", "60", "70", "80", "90",  "100", "120",
          "150", "200", "250", "300", "13", "18", "25", "35", "50", "70", "100", "140", "200"};
}

std::vector<std::string> BuildLayerEntries() {
  std::vector<std::string> entries = {"\x8C\xBB\x8D\xDD"};  // 現在
  for (const char digit : std::string_view("0123456789ABCDEF")) entries.emplace_back(1, digit);
  return entries;
}

}  // namespace

const std::vector<std::string>& ColorListEntries() {
  static const std::vector<std::string> entries = BuildColorEntries();
  return entries;
}

const std::vector<std::string>& LineTypeListEntries() {
  static const std::vector<std::string> entries = BuildLineTypeEntries();
  return entries;
}

const std::vector<std::string>& WidthListEntries() {
  static const std::vector<std::string> entries = BuildWidthEntries();
  return entries;
}

const std::vector<std::string>& LayerListEntries() {
  static const std::vector<std::string> entries = BuildLayerEntries();
  return entries;
}

}  // namespace tq58::ui
