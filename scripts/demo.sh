#!/usr/bin/env bash
# The main job: a transformation on the bundled sample. Until the construction is built it
# only says what the run will do.
set -euo pipefail
echo "tq58 will read samples/JWC_TEMP.TXT, draw the current preset of samples/tq58.dat"
echo "along the indicated points and print the commands written back."
