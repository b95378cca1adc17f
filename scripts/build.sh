#!/usr/bin/env bash
# Configures (CMake preset "default") and builds into build/ (or
# $ORVANE_BUILD_DIR). Extra arguments go to the configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD_DIR:-$root/build}
jobs=${ORVANE_JOBS:-$(nproc)}
# Warnings stay visible; only the "--" progress lines are left out.
cmake -S "$root" --preset default -B "$build" --log-level=WARNING "$@"
cmake --build "$build" -j"$jobs"
