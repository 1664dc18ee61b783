// A value of a preset that the settings file keeps on a line of its own after the 1423: one of
// the preset's options, or a field of one of its rows that the rows' seven lines have no room
// for.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "presets/presets.h"

namespace tq58 {

// Field `field` of row `row` (0 is row 1).
struct RowField {
  std::size_t row;
  LineRowField field;
};

using PresetField = std::variant<PresetOptionField, RowField>;

template <std::size_t N, std::size_t... I>
constexpr std::array<PresetField, N> AsPresetFields(const std::array<PresetOptionField, N>& options,
                                                    std::index_sequence<I...>) {
  return {PresetField(options[I])...};
}

// The same options as fields of a preset, in the same order.
template <std::size_t N>
constexpr std::array<PresetField, N> AsPresetFields(
    const std::array<PresetOptionField, N>& options) {
  return AsPresetFields(options, std::make_index_sequence<N>{});
}

template <std::size_t... R>
constexpr std::array<PresetField, sizeof...(R) + 1> LayerFields(std::index_sequence<R...>) {
  return {PresetField(RowField{R, kLineRowLayerFields[0]})..., PresetField(kFillLayerFields[0])};
}

// The layers of a preset: rows 1 to 10, then the fill.
inline constexpr auto kPresetLayerFields = LayerFields(std::make_index_sequence<kRowsPerPreset>{});

// Appends the value's text, as AppendPresetOptionField and AppendLineRowField write it.
void AppendPresetField(std::string& out, const TLineTable& table, const PresetField& field);

// Sets the value from text, then applies the range rules of its row or of the options.
void SetPresetField(TLineTable& table, const PresetField& field, std::string_view text);

// True when the value is not at its start value.
bool DiffersFromDefault(const TLineTable& table, const PresetField& field);

}  // namespace tq58
