#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers on; CMake preset "fuzz") and runs each for a bounded time from
# the committed seed corpus. Exits 2 when the build fails, 1 on any crash,
# sanitizer report or failed check.
# Usage: scripts/fuzz.sh [build-dir] [seconds-per-target]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
seconds=${2:-${ORVANE_FUZZ_SECONDS:-30}}
jobs=${ORVANE_JOBS:-2}
targets=(fuzz_text_reading fuzz_whole_path)

cmake -S "$root" --preset fuzz -B "$build" --log-level=WARNING &&
  cmake --build "$build" -j"$jobs" --target "${targets[@]}" ||
  { echo "fuzz.sh: the build failed"; exit 2; }

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

status=0
for target in "${targets[@]}"; do
  # New inputs go to a scratch corpus; the committed seeds stay as they are.
  work="$build/corpus-work/$target"
  artifacts="$build/artifacts/$target/"
  mkdir -p "$work" "$artifacts"
  echo "== $target: ${seconds}s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts" \
        "$work" "$root/fuzz/corpus/$target" 2>"$build/$target.log"; then
    echo "FAILED: $target (log: $build/$target.log, inputs: $artifacts)"
    tail -n 60 "$build/$target.log"
    status=1
  else
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added)' \
      "$build/$target.log" || true
  fi
done
exit $status
