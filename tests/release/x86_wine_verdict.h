// Whether the 32-bit Windows program runs under Wine on this machine, as the probe of this
// test run (probe_x86_wine.sh, a ctest fixture) found out.
#pragma once

#include <optional>
#include <string>

#include "support/files.h"

namespace tq58_test {

// Why the 32-bit program cannot run here, or nothing when it can. Without a verdict (the test
// program started by hand, not through ctest) it assumes the program runs.
inline std::optional<std::string> X86WineUnavailable() {
  std::string verdict;
  try {
    verdict = ReadBytes(TQ58_X86_WINE_VERDICT);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  while (!verdict.empty() && verdict.back() == '\n') verdict.pop_back();
  if (verdict == "runs") return std::nullopt;
  return verdict;
}

}  // namespace tq58_test
