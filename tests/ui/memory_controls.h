// In-memory controls for testing the dialog's behaviour without a window system. They keep
// the layer's contracts strictly and report a breach as a test failure.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presets/presets.h"
#include "ui/controls.h"
#include "ui/line_row_frame.h"
#include "ui/settings_dialog.h"

namespace tq58::ui::testing {

// A control of kind `Interface` that is enabled until the program greys it.
template <typename Interface>
class MemoryControl : public Interface {
 public:
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }

 private:
  bool enabled_ = true;
};

// A label: nothing but its greying.
using MemoryLabel = MemoryControl<Control>;

class MemoryCheckBox : public MemoryControl<CheckBox> {
 public:
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }

 private:
  bool checked_ = false;
};

class MemoryEditBox : public MemoryControl<EditBox> {
 public:
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override { text_ = text; }

 private:
  std::string text_;
};

class MemoryComboBox : public ComboBox {
 public:
  explicit MemoryComboBox(bool editable) : editable_(editable) {}

  void ClearItems() override {
    items_.clear();
    selected_ = -1;
  }
  void AddItem(std::string_view text) override { items_.emplace_back(text); }
  int ItemCount() const override { return static_cast<int>(items_.size()); }
  int SelectedIndex() const override { return selected_; }
  void SetSelectedIndex(int index) override {
    if (index < -1 || index >= ItemCount()) {
      ADD_FAILURE() << "index " << index << " outside -1.." << ItemCount() - 1;
      index = -1;
    }
    selected_ = index;
    if (editable_) text_ = index < 0 ? std::string() : Item(index);
  }
  std::string Text() const override {
    if (editable_) return text_;
    return selected_ < 0 ? std::string() : Item(selected_);
  }
  void SetText(std::string_view text) override {
    if (!editable_) ADD_FAILURE() << "text set on a choice-only list";
    text_ = text;
  }

  const std::string& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

 private:
  bool editable_;
  std::vector<std::string> items_;
  int selected_ = -1;
  std::string text_;
};

class MemoryColorSwatch : public ColorSwatch {
 public:
  int32_t Color() const override { return color_; }
  void SetColor(int32_t color) override { color_ = color; }

 private:
  int32_t color_ = 0;
};

class MemoryTabStrip : public TabStrip {
 public:
  int TabIndex() const override { return index_; }
  void SetTabIndex(int index) override { index_ = index; }

 private:
  int index_ = 0;
};

class MemoryMemo : public Memo {
 public:
  void SetText(std::string_view text) override { text_ = text; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

class MemoryFormWindow : public FormWindow {
 public:
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  void MoveTo(int left, int top) override {
    left_ = left;
    top_ = top;
  }
  void Close() override { closed_ = true; }
  bool Closed() const { return closed_; }

  void ShowWarning(const UserMessage& message) override { warnings.push_back(message); }
  // Takes the next of `answers`; a question nobody expected fails the test.
  bool AskYesNo(const UserMessage& message) override {
    questions.push_back(message);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << message.Caption;
      return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  // Takes the next of `colorAnswers`; a colour chooser nobody expected fails the test.
  std::optional<int32_t> PickColor(int32_t initial) override {
    colorsShownFirst.push_back(initial);
    if (colorAnswers.empty()) {
      ADD_FAILURE() << "unexpected colour chooser";
      return std::nullopt;
    }
    const std::optional<int32_t> answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
  }

  std::vector<UserMessage> warnings;                // every warning shown, in order
  std::vector<UserMessage> questions;               // every question asked, in order
  std::deque<bool> answers;                         // what the user answers to the coming questions
  std::vector<int32_t> colorsShownFirst;            // the colour each chooser opened at, in order
  std::deque<std::optional<int32_t>> colorAnswers;  // the colours chosen, none for cancel

 private:
  int left_ = 202;  // the position the window is designed at
  int top_ = 107;
  bool closed_ = false;
};

// A preview area that keeps every scene it was given.
class MemoryPreviewArea : public PreviewArea {
 public:
  void Show(const preview::Scene& scene) override { shown.push_back(scene); }

  std::vector<preview::Scene> shown;  // in order; the last is on display
};

// The controls of one line row.
struct MemoryRow {
  MemoryCheckBox CH1;
  MemoryEditBox Edit1;
  MemoryEditBox Edit2;
  MemoryCheckBox CH2;
  MemoryComboBox CB1{false};
  MemoryComboBox CB2{false};
  MemoryComboBox CB3{true};
  MemoryComboBox CB4{false};
};

// The controls of the preset's options.
struct MemoryOptions {
  MemoryComboBox CornerModeList{false};
  MemoryLabel BaseRadiusLabel;
  MemoryEditBox BaseRadiusEdit;
  MemoryCheckBox BaseRadiusPaperSize;
  MemoryComboBox StartCapList{false};
  MemoryComboBox EndCapList{false};
  MemoryComboBox JunctionList{false};
  MemoryCheckBox FillBox;
  MemoryColorSwatch FillColorSwatch;
  MemoryComboBox FillLayerList{false};
};

// Every control of the dialog, and the user's tab change and choice of corner mode with their
// events.
class MemoryDialog {
 public:
  MemoryDialog() {
    frames_.reserve(rows.size());
    for (MemoryRow& row : rows) {
      frames_.push_back(
          TFrame2{row.CH1, row.Edit1, row.Edit2, row.CH2, row.CB1, row.CB2, row.CB3, row.CB4});
    }
  }
  MemoryDialog(const MemoryDialog&) = delete;
  MemoryDialog& operator=(const MemoryDialog&) = delete;

  DialogControls Controls() {
    return {form,
            memo,
            tabs,
            comment,
            std::span<TFrame2, kRowsPerPreset>(frames_.data(), kRowsPerPreset),
            {options.CornerModeList, options.BaseRadiusLabel, options.BaseRadiusEdit,
             options.BaseRadiusPaperSize, options.StartCapList, options.EndCapList,
             options.JunctionList, options.FillBox, options.FillColorSwatch, options.FillLayerList},
            preview};
  }

  // Row `number` (1..10) as on screen.
  MemoryRow& Row(int number) { return rows.at(static_cast<std::size_t>(number - 1)); }

  // The user clicks tab `index`: the form hears of it before and after the change.
  void UserSelectsTab(TForm1& dialog, int index) {
    dialog.TabControl1Changing();
    tabs.SetTabIndex(index);
    dialog.TabControl1Change();
  }

  // The user picks entry `index` of the corner mode list: the form hears of it afterwards.
  void UserSelectsCornerMode(TForm1& dialog, int index) {
    options.CornerModeList.SetSelectedIndex(index);
    dialog.CornerModeListChange();
  }

  MemoryFormWindow form;
  MemoryMemo memo;
  MemoryTabStrip tabs;
  MemoryEditBox comment;
  std::array<MemoryRow, kRowsPerPreset> rows;
  MemoryOptions options;
  MemoryPreviewArea preview;

 private:
  std::vector<TFrame2> frames_;
};

}  // namespace tq58::ui::testing
