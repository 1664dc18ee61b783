// Whole transformation inputs made from a seed: an exchange file and a settings file with
// base paths and rows of every kind, for comparing builds on many more inputs than the
// hand-written cases.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tq58_test {

// How a case is drawn: along its indicated points, or along its selected lines ("/s"),
// perhaps turned round ("/r").
enum class CaseDrawing : int32_t { Points = 0, Chains = 1, ReversedChains = 2 };

struct GeneratedCase {
  int32_t RunMode = 2;  // 1 or 2
  CaseDrawing Drawing = CaseDrawing::Points;
  std::string Exchange;  // JWC_TEMP.TXT as the host writes it
  std::string Settings;  // the program's settings file
};

// The shortest text that reads back as `value`, as a user or the host may write it.
std::string Shortest(double value);

// `count` cases; the same seed gives the same bytes on every platform (the inputs use no
// library mathematics).
std::vector<GeneratedCase> GeneratedCases(uint64_t seed, int count);

// The cases one after another as the case runner reads them: a line
// "MODE DRAWING EXCHANGE_SIZE SETTINGS_SIZE" (DRAWING as CaseDrawing), then the bytes of both
// files.
std::string BatchText(const std::vector<GeneratedCase>& cases);

}  // namespace tq58_test
