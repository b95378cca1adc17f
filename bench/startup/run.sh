#!/usr/bin/env bash
# Start-up time and peak memory of orvane against a bare Qt label, and the
# time from a link click to the browser window, on a private Xvfb.
# usage: bench/startup/run.sh [build-dir (./build)] [runs (10)] [clicks (5)]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-./build}
runs=${2:-10}
clicks=${3:-5}

"$root/scripts/install-deps.sh"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build"
# Only what is measured: the rest of the tree need not build for this.
cmake --build "$build" -j2 --target orvane bench_bare_label bench_map_timer

orvane="$build/app/orvane"
bare="$build/bench/startup/bench_bare_label"
timer="$build/bench/startup/bench_map_timer"
log="$build/bench/startup/programs.log"
: >"$log"

echo "Web engine libraries linked by orvane: $(ldd "$orvane" | grep -ci webengine || true)"
export QT_QPA_PLATFORM=xcb
# -a picks a free display; no window manager, so a map is seen at once.
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$timer" --runs "$runs" --clicks "$clicks" --log "$log" "$orvane" "$bare"
