#!/usr/bin/env bash
# Builds every preset (native, Windows, 32-bit, sanitizers) and runs every test, the Windows
# program's under Wine included, builds the other build types, then runs the fuzz targets
# over their corpora and for a minute each. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)

# The Windows program first: the native test run drives it under Wine.
cmake --preset windows
cmake --build --preset windows -j "$jobs"
# The preview's redraw timing is run by hand, but built here so that it keeps building.
cmake --build --preset windows -j "$jobs" --target tq58_redraw_timing

# The 32-bit program and the release package of both: the native tests run them under Wine.
cmake --preset windows-x86
cmake --build --preset windows-x86 -j "$jobs"
cpack --preset windows

# The 32-bit x86 Linux build: the native tests run it under qemu-i386-static on any kernel.
cmake --preset linux-x86
cmake --build --preset linux-x86 -j "$jobs"

# The dialog tests drive a real window under Xvfb, where a loaded machine can delay a window
# past its wait: a failing test gets one more run before it counts as failed.
for preset in native sanitize; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" --repeat until-pass:2
done

# The build types that no preset uses, built without a preset as a packager would.
bash scripts/build_configurations.sh Release MinSizeRel

# The libFuzzer targets (clang): their corpora, then a short bounded fuzzing run of each.
bash scripts/fuzz.sh
