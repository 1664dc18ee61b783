#!/usr/bin/env bash
# Times whole runs of `tq58 2` on generated exchange files of 10^4 to 4x10^6 entity lines,
# beside the floor program that only converts the file's numbers and `wc -l`, then a small
# run (header, 99 points, 10 drawn rows) beside a static program that only exits.
#
#   bench/run.sh [BUILD_DIR [WORK_DIR]]     (defaults: build/native, /tmp/tq58-bench)
#
# Build first with the native preset. Each size gets its own folder in WORK_DIR holding a copy
# of the program, its settings file and the exchange file, restored before every run. Each
# row gives the median and the fastest wall time of several runs with the files in the page
# cache; the checks at the end compare the fastest times, which other work on a shared machine
# disturbs least. MB is 10^6 bytes; peak is the largest resident set of any run.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build/native}" && pwd)
work=${2:-/tmp/tq58-bench}
measure=$build/bench/tq58_measure
generate=$build/bench/tq58_make_exchange_file

for program in "$build/tq58" "$measure" "$generate" "$build/bench/tq58_number_floor" \
  "$build/bench/tq58_exit_only"; do
  [[ -x $program ]] || { echo "missing $program: build the native preset first" >&2; exit 1; }
done

# sizes and the number of runs of each (the median is reported)
sizes=(10000 100000 1000000 4000000)
declare -A runs=([10000]=21 [100000]=11 [1000000]=5 [4000000]=3)
small_runs=201

# A folder with the program, the settings file and the input exchange file.
prepare() {
  local folder=$1 lines=$2
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$build/tq58" "$folder/tq58"
  "$generate" "$lines" "$folder/input.txt" "$folder/tq58.dat"
}

# Fastest wall time and peak resident set (KiB) of each row, by "label/lines".
declare -A seconds peak_kib file_bytes

# row LABEL LINES BYTES RUNS [--restore SRC DST] -- PROGRAM...: measures and prints a row.
row() {
  local label=$1 lines=$2 bytes=$3 count=$4 median fastest peak
  shift 4
  read -r median fastest peak < <("$measure" "$count" "$@")
  seconds[$label/$lines]=$fastest
  peak_kib[$label/$lines]=$peak
  file_bytes[$label/$lines]=$bytes
  awk -v label="$label" -v lines="$lines" -v bytes="$bytes" -v t="$median" -v tmin="$fastest" \
    -v peak="$peak" 'BEGIN {
      mb = bytes / 1e6; peakmb = peak * 1024 / 1e6
      printf "%-10s %9s %9.2f %10.4f %10.4f %9.1f %9.1f %7.2f\n",
             label, lines, mb, t, tmin, (t > 0 ? mb / t : 0), peakmb, peakmb / mb }'
}

# check TEXT VALUE LIMIT: prints the value against its limit.
check() {
  awk -v text="$1" -v value="$2" -v limit="$3" \
    'BEGIN { printf "%-44s %6.2f  (limit %.2f) %s\n", text, value, limit,
             (value <= limit ? "ok" : "MISSED") }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { print a / b }'; }

header() {
  printf "%-10s %9s %9s %10s %10s %9s %9s %7s\n" \
    program lines MB median_s fastest_s MB/s peak_MB peak/MB
}

cd "$work" 2>/dev/null || { mkdir -p "$work" && cd "$work"; }
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo "kernel: $(uname -r); load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
header
for lines in "${sizes[@]}"; do
  folder=$work/$lines
  prepare "$folder" "$lines"
  bytes=$(stat -c %s "$folder/input.txt")
  count=${runs[$lines]}
  # The folder is not the working directory: the program finds its files beside itself.
  row "tq58 2" "$lines" "$bytes" "$count" \
    --restore "$folder/input.txt" "$folder/JWC_TEMP.TXT" -- "$folder/tq58" 2
  row "floor" "$lines" "$bytes" "$count" -- "$build/bench/tq58_number_floor" "$folder/input.txt"
  row "wc -l" "$lines" "$bytes" "$count" -- wc -l "$folder/input.txt"
done

echo
folder=$work/small
prepare "$folder" 0
bytes=$(stat -c %s "$folder/input.txt")
header
row "tq58 2" 0 "$bytes" "$small_runs" \
  --restore "$folder/input.txt" "$folder/JWC_TEMP.TXT" -- "$folder/tq58" 2
row "exit only" 0 "$bytes" "$small_runs" -- "$build/bench/tq58_exit_only"

echo
per_mb() { ratio "${seconds[tq58 2/$1]}" "${file_bytes[tq58 2/$1]}"; }
check "time per MB, 4x10^6 lines / 10^5 lines" "$(ratio "$(per_mb 4000000)" "$(per_mb 100000)")" 1.25
for lines in "${sizes[@]}"; do
  check "tq58 / floor at $lines lines" \
    "$(ratio "${seconds[tq58 2/$lines]}" "${seconds[floor/$lines]}")" 1.5
done
for lines in "${sizes[@]}"; do
  check "peak memory / file size at $lines lines" \
    "$(ratio "$((${peak_kib[tq58 2/$lines]} * 1024))" "${file_bytes[tq58 2/$lines]}")" 3
done
check "small run / exit only" "$(ratio "${seconds[tq58 2/0]}" "${seconds[exit only/0]}")" 1.5
