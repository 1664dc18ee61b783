// The small control layer that the dialog logic is written against: one implementation over
// native Win32 controls, one in memory for tests. Texts cross it as Shift-JIS bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "preview/scene.h"

namespace tq58::ui {

// Any control that the dialog greys: a disabled one shows greyed and takes no input, and the
// keyboard passes it by. Its value stays and can still be read and set by the program.
class Control {
 public:
  virtual ~Control() = default;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

// A check box.
class CheckBox : public Control {
 public:
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

// A single-line edit box.
class EditBox : public Control {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
};

// A combo box: a list of entries, the index of the selected one (-1 for none) and the text
// shown. In a choice-only list the text is that of the selected entry; in an editable one it
// is whatever was typed or set.
class ComboBox {
 public:
  virtual ~ComboBox() = default;
  virtual void ClearItems() = 0;
  virtual void AddItem(std::string_view text) = 0;
  virtual int ItemCount() const = 0;
  virtual int SelectedIndex() const = 0;
  // `index` is -1 (no entry selected) or within 0..ItemCount()-1.
  virtual void SetSelectedIndex(int index) = 0;
  virtual std::string Text() const = 0;
  // Only for an editable combo box: the text in its edit field.
  virtual void SetText(std::string_view text) = 0;
};

// A small area painted in one colour, R + 256 G + 65536 B (0..16777215), as the fill's sample.
class ColorSwatch {
 public:
  virtual ~ColorSwatch() = default;
  virtual int32_t Color() const = 0;
  virtual void SetColor(int32_t color) = 0;
};

// A strip of tabs over one shared page area; tab indexes count from 0.
class TabStrip {
 public:
  virtual ~TabStrip() = default;
  virtual int TabIndex() const = 0;
  // Selects a tab from the program; unlike a change by the user this raises no tab event.
  virtual void SetTabIndex(int index) = 0;
};

// A read-only multi-line text box; lines are separated by CR LF.
class Memo {
 public:
  virtual ~Memo() = default;
  virtual void SetText(std::string_view text) = 0;
};

// An area that draws a picture of the page on display; each Show replaces the one before.
class PreviewArea {
 public:
  virtual ~PreviewArea() = default;
  virtual void Show(const preview::Scene& scene) = 0;
};

// A message for the user: the caption of its box and its text, lines separated by CR LF.
struct UserMessage {
  std::string Caption;
  std::string Text;
};

// The window itself: its outer top-left corner on the screen, in pixels, closing it, and the
// message boxes and colour chooser it owns.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual void MoveTo(int left, int top) = 0;
  // Closes the window, which ends the program's dialog.
  virtual void Close() = 0;
  // Shows `message` with a warning sign and an OK button, in front of the window, which takes
  // no input until the user has dismissed it; returns then.
  virtual void ShowWarning(const UserMessage& message) = 0;
  // Asks `message` as a question with a warning sign, "no" preselected; true for "yes".
  virtual bool AskYesNo(const UserMessage& message) = 0;
  // Opens the system's colour chooser in front of the window at `initial` (R + 256 G + 65536 B)
  // and returns when the user has closed it: the colour chosen, or none when cancelled.
  virtual std::optional<int32_t> PickColor(int32_t initial) = 0;
};

}  // namespace tq58::ui
