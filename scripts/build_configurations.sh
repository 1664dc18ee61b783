#!/usr/bin/env bash
# Builds the whole tree (program, tools, tests, benchmarks) without a preset, once per build
# type given (default: Release MinSizeRel, which no preset uses), so that every configuration
# a packager or a newcomer starts from stays free of warnings. Builds only; runs nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

types=("$@")
((${#types[@]})) || types=(Release MinSizeRel)
for type in "${types[@]}"; do
  cmake -S . -B "build/config-$type" -DCMAKE_BUILD_TYPE="$type" -DTQ58_BUILD_BENCHMARKS=ON
  cmake --build "build/config-$type" -j "$(nproc)"
done
