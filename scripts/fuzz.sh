#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz: clang, AddressSanitizer, UndefinedBehaviorSanitizer),
# runs each over its checked-in corpus, then fuzzes each in turn in a single process.
#   scripts/fuzz.sh [SECONDS]     or     FUZZ_SECONDS=600 scripts/fuzz.sh
# SECONDS is the fuzzing time per target (default 60); FUZZ_TARGETS="numbers settings_file"
# fuzzes only the targets named (the corpus run covers all of them). A crash fails the script; its input is
# copied into the target's corpus (tests/fuzz/corpus/<target>/) to become a regression input
# once the bug is fixed. Logs and the grown corpora stay in build/fuzz/fuzzing/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-${FUZZ_SECONDS:-60}}
bin_dir=build/fuzz/tests/fuzz
work_root=build/fuzz/fuzzing

# The targets write their scratch files; memory is faster and spares the disk.
if [[ -z ${TMPDIR:-} && -d /dev/shm && -w /dev/shm ]]; then
  export TMPDIR=/dev/shm
fi

cmake --preset fuzz
cmake --build --preset fuzz -j "$(nproc)"

# Regression: every checked-in input once.
ctest --preset fuzz

# Options per target: the longest input worth trying and the dictionary of its format.
options_of() {
  case $1 in
    exchange_reader) echo "-max_len=4096 -dict=tests/fuzz/exchange.dict" ;;
    transformation) echo "-max_len=16384 -dict=tests/fuzz/exchange.dict" ;;
    settings_file) echo "-max_len=16384" ;;
    numbers) echo "-max_len=1024 -dict=tests/fuzz/numbers.dict" ;;
    *) echo "" ;;
  esac
}

failed=()
summary=()
for binary in "$bin_dir"/fuzz_*; do
  name=${binary##*/fuzz_}
  if [[ -n ${FUZZ_TARGETS:-} && " $FUZZ_TARGETS " != *" $name "* ]]; then
    continue
  fi
  work=$work_root/$name
  mkdir -p "$work/corpus" "$work/artifacts"
  rm -f "$work"/artifacts/*
  echo "== fuzzing $name for $seconds s"
  # shellcheck disable=SC2046  # the options are separate words
  if "$binary" "$work/corpus" "tests/fuzz/corpus/$name" $(options_of "$name") \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/artifacts/" >"$work/log" 2>&1; then
    status=clean
  else
    status=FAILED
    failed+=("$name")
    for artifact in "$work"/artifacts/*; do
      [[ -e $artifact ]] || continue
      cp "$artifact" "tests/fuzz/corpus/$name/"
      echo "   regression input kept: tests/fuzz/corpus/$name/${artifact##*/}"
    done
    tail -n 40 "$work/log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/log" | tail -n 1)
  summary+=("$(printf '%-16s %-7s %12s runs  %s' "$name" "$status" "${runs:-?}" "${coverage:-}")")
done

echo "== fuzzing summary ($seconds s per target)"
printf '%s\n' "${summary[@]}"
if ((${#failed[@]} > 0)); then
  echo "crashes in: ${failed[*]}" >&2
  exit 1
fi
