// Filling a line row's lists and putting the row into its empty state.
#include "ui/line_row_frame.h"

#include <string>
#include <vector>

#include "ui/line_row_lists.h"

namespace tq58::ui {
namespace {

void FillList(ComboBox& list, const std::vector<std::string>& entries) {
  list.ClearItems();
  for (const std::string& entry : entries) list.AddItem(entry);
}

}  // namespace

void FillLineRowLists(TFrame2& frame) {
  frame.CH1.SetChecked(false);
  frame.Edit1.SetText("0.0");
  frame.Edit2.SetText("0.0");
  frame.CH2.SetChecked(false);
  FillList(frame.CB1, ColorListEntries());
  FillList(frame.CB2, LineTypeListEntries());
  FillList(frame.CB3, WidthListEntries());
  FillList(frame.CB4, LayerListEntries());
  frame.CB1.SetSelectedIndex(0);
  frame.CB2.SetSelectedIndex(0);
  frame.CB3.SetText("-1");
  frame.CB4.SetSelectedIndex(0);
}

}  // namespace tq58::ui
