// The run mode chosen by the command line, a transformation for the host or the settings
// dialog, and the preset that a transformation may be told to draw.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "util/host_limits.h"

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

// The preset that one argument names: "/p" or "/P" and the number 1..20 in decimal digits
// ("/p05" is 5); nothing for any other text.
template <typename Char>
std::optional<int32_t> PresetNumberOf(std::basic_string_view<Char> argument) {
  if (argument.size() < 3 || argument[0] != Char('/') ||
      (argument[1] != Char('p') && argument[1] != Char('P'))) {
    return std::nullopt;
  }
  int32_t number = 0;
  for (const Char c : argument.substr(2)) {
    if (c < Char('0') || c > Char('9')) return std::nullopt;
    number = number * 10 + static_cast<int32_t>(c - Char('0'));
    // Stops at once, so that any number of digits cannot overflow.
    if (number > util::kPresetCount) return std::nullopt;
  }
  if (!util::IsPresetNumber(number)) return std::nullopt;
  return number;
}

// The preset chosen for this run by the first argument after the first that is a valid
// "/pN"; later ones and every other argument are ignored. Nothing when there is none: the
// current preset of the settings file is drawn. Byte and wide argument vectors alike.
template <typename Char>
std::optional<int32_t> PresetArgumentOf(int argc, const Char* const* argv) {
  if (argv == nullptr) return std::nullopt;
  for (int i = 2; i < argc && argv[i] != nullptr; ++i) {
    if (const auto number = PresetNumberOf(std::basic_string_view<Char>(argv[i]))) return number;
  }
  return std::nullopt;
}

// Whether one of the arguments after the first is exactly "/" and `letter`, in either case.
template <typename Char>
bool SwitchGiven(int argc, const Char* const* argv, char letter) {
  if (argv == nullptr) return false;
  const Char lower = Char(letter);
  const Char upper = Char(letter - 'a' + 'A');
  for (int i = 2; i < argc && argv[i] != nullptr; ++i) {
    const std::basic_string_view<Char> argument(argv[i]);
    if (argument.size() == 2 && argument[0] == Char('/') &&
        (argument[1] == lower || argument[1] == upper)) {
      return true;
    }
  }
  return false;
}

// What the arguments after the first ask of a transformation; any other argument is ignored.
struct TransformOptions {
  std::optional<int32_t> Preset;  // "/pN": preset N for this run instead of the current one
  bool Chains = false;            // "/s": along the selected lines, not the indicated points
  bool Reverse = false;           // "/r": with "/s", every chain the other way round
};

template <typename Char>
TransformOptions TransformOptionsOf(int argc, const Char* const* argv) {
  return {PresetArgumentOf(argc, argv), SwitchGiven(argc, argv, 's'), SwitchGiven(argc, argv, 'r')};
}

}  // namespace tq58
