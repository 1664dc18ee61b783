// The line row's lists: their exact entries and order, and the row's empty state.
#include "ui/line_row_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_controls.h"
#include "sjis.h"
#include "ui/line_row_lists.h"

namespace tq58::ui {
namespace {

using testing::MemoryDialog;
using testing::MemoryRow;
using testing::Sjis;

std::vector<std::string> Numbered(const std::string& prefix, int first, int last) {
  std::vector<std::string> texts;
  for (int n = first; n <= last; ++n) texts.push_back(prefix + std::to_string(n));
  return texts;
}

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::vector<std::string> ToSjis(const std::vector<std::string>& utf8Texts) {
  std::vector<std::string> texts;
  for (const std::string& text : utf8Texts) texts.push_back(Sjis(text));
  return texts;
}

TEST(LineRowLists, ColorEntriesInHostOrder) {
  const auto expected = ToSjis(Concat({
      {"現在線色"},
      Numbered("線色", 1, 8),
      {"補助線色", "SXF/黒色", "SXF/赤色", "SXF/緑色", "SXF/青色", "SXF/黄色", "SXF/紫色",
       "SXF/水色", "SXF/白色", "S/濃紫色", "SXF/茶色", "SXF/橙色", "S/明緑色", "S/明青色",
       "S/薄紫色", "S/明灰色", "S/暗灰色"},
      Numbered("SXF-", 17, 256),
  }));
  ASSERT_EQ(expected.size(), 266u);
  EXPECT_EQ(ColorListEntries(), expected);
}

TEST(LineRowLists, LineTypeEntriesInHostOrder) {
  const auto expected = ToSjis(Concat({
      {"現在線種", "実線", "点線1", "点線2", "点線3", "一点鎖線1", "一点鎖線2", "二点鎖線1",
       "二点鎖線2", "補助線種"},
      Numbered("ランダム線", 1, 5),
      Numbered("倍長線種", 1, 4),
      {"SXF/実線", "SXF/破線", "跳び破線", "一点長鎖線", "二点長鎖線", "三点長鎖線", "点線",
       "一点鎖線", "二点鎖線", "一点短鎖線", "一点二短鎖線", "二点短鎖線", "二点二短鎖線",
       "三点短鎖線", "三点二短鎖線", "(予約)"},
      Numbered("SXF-", 17, 32),
  }));
  ASSERT_EQ(expected.size(), 51u);
  EXPECT_EQ(LineTypeListEntries(), expected);
}

TEST(LineRowLists, WidthEntriesWithTheirSecondRun) {
  const std::vector<std::string> expected = {
      "-1",  "0",   "10",  "20",  "30", "40", "50", "60", "70", "80", "90",  "100", "120",
      "150", "200", "250", "300", "13", "18", "25", "35", "50", "70", "100", "140", "200"};
  EXPECT_EQ(WidthListEntries(), expected);
}

void ExpectEmptyRow(const MemoryRow& row) {
  EXPECT_FALSE(row.CH1.Checked());
  EXPECT_EQ(row.Edit1.Text(), "0.0");
  EXPECT_EQ(row.Edit2.Text(), "0.0");
  EXPECT_FALSE(row.CH2.Checked());
  EXPECT_EQ(row.CB1.SelectedIndex(), 0);
  EXPECT_EQ(row.CB1.Text(), Sjis("現在線色"));
  EXPECT_EQ(row.CB2.SelectedIndex(), 0);
  EXPECT_EQ(row.CB2.Text(), Sjis("現在線種"));
  EXPECT_EQ(row.CB3.Text(), "-1");
  EXPECT_EQ(row.CB1.ItemCount(), 266);
  EXPECT_EQ(row.CB2.ItemCount(), 51);
  EXPECT_EQ(row.CB3.ItemCount(), 26);
  EXPECT_EQ(row.CB4.SelectedIndex(), 0);
  EXPECT_EQ(row.CB4.Text(), Sjis("現在"));
  EXPECT_EQ(row.CB4.ItemCount(), 17);
}

TEST(FillLineRowLists, PutsTheRowIntoItsEmptyState) {
  MemoryDialog dialog;
  MemoryRow& row = dialog.Row(1);
  row.CH1.SetChecked(true);
  row.Edit1.SetText("5");
  row.CH2.SetChecked(true);
  FillLineRowLists(dialog.Controls().Frames[0]);
  ExpectEmptyRow(row);
  EXPECT_EQ(row.CB1.Item(265), "SXF-256");
  EXPECT_EQ(row.CB2.Item(50), "SXF-32");
  EXPECT_EQ(row.CB4.Item(1), "0");
  EXPECT_EQ(row.CB4.Item(16), "F");
}

TEST(FillLineRowLists, FillingTwiceReplacesTheEntries) {
  MemoryDialog dialog;
  TFrame2& frame = dialog.Controls().Frames[4];
  FillLineRowLists(frame);
  dialog.Row(5).CB1.SetSelectedIndex(12);
  dialog.Row(5).CB3.SetText("70");
  FillLineRowLists(frame);
  ExpectEmptyRow(dialog.Row(5));
}

}  // namespace
}  // namespace tq58::ui
