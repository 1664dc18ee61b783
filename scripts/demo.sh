#!/usr/bin/env bash
# The main job: one transformation on the bundled sample, run as the host runs it. Builds the
# native program, puts it in a fresh folder beside samples/JWC_TEMP.TXT and samples/tq58.dat,
# starts it with "2" from another working folder and prints the exchange file it wrote back.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset native >/dev/null
cmake --build --preset native --target tq58 -j "$(nproc)" >/dev/null

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/jw" "$folder/elsewhere"
cp build/native/tq58 samples/JWC_TEMP.TXT samples/tq58.dat "$folder/jw/"

(cd "$folder/elsewhere" && "$folder/jw/tq58" 2)

echo "JWC_TEMP.TXT as tq58 wrote it back (the drawing commands for Jw_cad, preset 3 of samples/tq58.dat):"
cat "$folder/jw/JWC_TEMP.TXT"
