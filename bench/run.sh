#!/usr/bin/env bash
# Times whole runs of `tq58 2` on generated exchange files of 10^4 to 4x10^6 entity lines,
# beside the floor program that only converts the file's numbers and `wc -l`, then a small
# run (header, 99 points, 10 drawn rows) beside a static program that only exits.
#
#   bench/run.sh [BUILD_DIR [WORK_DIR]]     (defaults: build/native, /tmp/tq58-bench)
#
# Build first with the native preset. Each size gets its own folder in WORK_DIR holding a copy
# of the program, its settings file and the exchange file, restored before every run. The
# programs compared are run in turn, one run each per round, so that other work on a shared
# machine disturbs them alike. Each row gives the median and the fastest wall time of the
# rounds, with the files in the page cache; the checks at the end compare the fastest times.
# MB is 10^6 bytes; peak is the largest resident set of any run.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build/native}" && pwd)
work=${2:-/tmp/tq58-bench}
measure=$build/bench/tq58_measure
generate=$build/bench/tq58_make_exchange_file
floor=$build/bench/tq58_number_floor
exit_only=$build/bench/tq58_exit_only

for program in "$build/tq58" "$measure" "$generate" "$floor" "$exit_only"; do
  [[ -x $program ]] || { echo "missing $program: build the native preset first" >&2; exit 1; }
done

# Sizes in entity lines, and the rounds run for each.
sizes=(10000 100000 1000000 4000000)
declare -A rounds=([10000]=21 [100000]=11 [1000000]=7 [4000000]=5)
small_rounds=201

# A folder with the program, the settings file and the input exchange file.
prepare() {
  local folder=$1 lines=$2
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$build/tq58" "$folder/tq58"
  "$generate" "$lines" "$folder/input.txt" "$folder/tq58.dat"
}

# Wall times of every run, the peak resident set (KiB) and the input size, by "label/lines".
declare -A times peak_kib file_bytes

# sample LABEL LINES BYTES [--restore SRC DST] -- PROGRAM...: one run of the program.
sample() {
  local key=$1/$2 bytes=$3 seconds fastest peak
  shift 3
  read -r seconds fastest peak < <("$measure" 1 "$@")
  times[$key]+="$seconds "
  file_bytes[$key]=$bytes
  ((peak > ${peak_kib[$key]:-0})) && peak_kib[$key]=$peak
  return 0
}

fastest() { tr ' ' '\n' <<<"${times[$1]}" | grep . | sort -g | head -1; }
median() {
  local sorted
  sorted=$(tr ' ' '\n' <<<"${times[$1]}" | grep . | sort -g)
  sed -n "$((($(wc -l <<<"$sorted") + 1) / 2))p" <<<"$sorted"
}

header() {
  printf "%-10s %9s %9s %10s %10s %9s %9s %7s\n" \
    program lines MB median_s fastest_s MB/s peak_MB peak/MB
}

# row LABEL LINES: prints the measured row; MB/s from the fastest time.
row() {
  local key=$1/$2
  awk -v label="$1" -v lines="$2" -v bytes="${file_bytes[$key]}" -v t="$(median "$key")" \
    -v tmin="$(fastest "$key")" -v peak="${peak_kib[$key]}" 'BEGIN {
      mb = bytes / 1e6; peakmb = peak * 1024 / 1e6
      printf "%-10s %9s %9.2f %10.4f %10.4f %9.1f %9.1f %7.2f\n",
             label, lines, mb, t, tmin, (tmin > 0 ? mb / tmin : 0), peakmb, peakmb / mb }'
}

# check TEXT VALUE LIMIT: prints the value against its limit.
check() {
  awk -v text="$1" -v value="$2" -v limit="$3" \
    'BEGIN { printf "%-44s %6.2f  (limit %.2f) %s\n", text, value, limit,
             (value <= limit ? "ok" : "MISSED") }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { print a / b }'; }

mkdir -p "$work"
cd "$work"  # not the programs' folder: they find their files beside themselves
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo "kernel: $(uname -r); load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
header
for lines in "${sizes[@]}"; do
  folder=$work/$lines
  prepare "$folder" "$lines"
  bytes=$(stat -c %s "$folder/input.txt")
  for ((round = 0; round < ${rounds[$lines]}; ++round)); do
    sample "tq58 2" "$lines" "$bytes" \
      --restore "$folder/input.txt" "$folder/JWC_TEMP.TXT" -- "$folder/tq58" 2
    sample floor "$lines" "$bytes" -- "$floor" "$folder/input.txt"
    sample "wc -l" "$lines" "$bytes" -- wc -l "$folder/input.txt"
  done
  for label in "tq58 2" floor "wc -l"; do row "$label" "$lines"; done
done

echo
folder=$work/small
prepare "$folder" 0
bytes=$(stat -c %s "$folder/input.txt")
for ((round = 0; round < small_rounds; ++round)); do
  sample "tq58 2" 0 "$bytes" --restore "$folder/input.txt" "$folder/JWC_TEMP.TXT" -- \
    "$folder/tq58" 2
  sample "exit only" 0 "$bytes" -- "$exit_only"
done
header
row "tq58 2" 0
row "exit only" 0

echo
per_mb() { ratio "$(fastest "tq58 2/$1")" "${file_bytes[tq58 2/$1]}"; }
check "time per MB, 4x10^6 lines / 10^5 lines" "$(ratio "$(per_mb 4000000)" "$(per_mb 100000)")" 1.25
for lines in "${sizes[@]}"; do
  check "tq58 / floor at $lines lines" \
    "$(ratio "$(fastest "tq58 2/$lines")" "$(fastest "floor/$lines")")" 1.5
done
for lines in "${sizes[@]}"; do
  check "peak memory / file size at $lines lines" \
    "$(ratio "$((${peak_kib[tq58 2/$lines]} * 1024))" "${file_bytes[tq58 2/$lines]}")" 3
done
check "small run / exit only" "$(ratio "$(fastest "tq58 2/0")" "$(fastest "exit only/0")")" 1.5
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
