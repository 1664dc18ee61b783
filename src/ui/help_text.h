// The help text shown beside the tabs of the settings dialog.
#pragma once

#include <array>
#include <string_view>

namespace tq58::ui {

inline constexpr int kHelpLineCount = 62;

// The lines of the help text as Shift-JIS bytes, top to bottom.
extern const std::array<std::string_view, kHelpLineCount> kHelpTextLines;

}  // namespace tq58::ui
