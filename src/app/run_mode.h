// The run mode chosen by the command line: a transformation for the host, or the settings
// dialog.
#pragma once

#include <cstdint>
#include <string_view>

namespace tq58 {

inline constexpr int32_t kSettingsMode = 0;
inline constexpr int32_t kSegmentMode = 1;   // one base segment from the points 1 and 2
inline constexpr int32_t kPolylineMode = 2;  // a base polyline of up to 99 points

// 1 or 2 when the first argument after the program name is exactly "1" or "2", compared
// whole and code unit by code unit; 0 otherwise, also without arguments. Later arguments
// do not count. Works on byte (native) and wide (Windows) argument vectors alike.
template <typename Char>
int32_t RunModeOf(int argc, const Char* const* argv) {
  if (argc < 2 || argv == nullptr || argv[1] == nullptr) return kSettingsMode;
  const std::basic_string_view<Char> first(argv[1]);
  const Char one[] = {Char('1'), Char(0)};
  const Char two[] = {Char('2'), Char(0)};
  if (first == one) return kSegmentMode;
  if (first == two) return kPolylineMode;
  return kSettingsMode;
}

}  // namespace tq58
