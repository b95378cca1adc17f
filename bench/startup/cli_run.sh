#!/usr/bin/env bash
# Process time (user + system) of the command line's 14-day JSON answer
# against a minimal Qt Core program that prints one line, alternating runs,
# and the libraries each maps. No display is used or needed.
# usage: bench/startup/cli_run.sh [build-dir (./build)] [runs (40)]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-./build}
runs=${2:-40}
cmake --build "$build" -j2 --target orvane bench_core_line >/dev/null
orvane="$build/app/orvane"
core="$build/bench/startup/bench_core_line"
args=(--date 6/21/2027 --latitude 40.655 --longitude 72.855W --utc-offset -5 --daylight-saving --days 14
      --mark 08:55:10 --format json)
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM python3 - "$runs" "$orvane" "$core" "${args[@]}" <<'PY'
import os, resource, statistics, subprocess, sys
runs, orvane, core, args = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4:]
def cpu_ms(cmd):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(cmd, stdout=subprocess.DEVNULL, check=True)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return 1000 * ((after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime))
def mapped(cmd):
    out = subprocess.run(["ldd", cmd[0]], capture_output=True, text=True).stdout
    return sum(1 for line in out.splitlines() if "=>" in line or line.strip().startswith("/"))
times = {"orvane": [], "core": []}
for _ in range(runs):
    times["orvane"].append(cpu_ms([orvane] + args))
    times["core"].append(cpu_ms([core]))
o, c = statistics.median(times["orvane"]), statistics.median(times["core"])
print(f"medians of {runs} alternating runs, process time (user + system)")
print(f"  orvane, 14 days as JSON   {o:6.1f} ms   {mapped([orvane])} libraries")
print(f"  Qt Core, one line         {c:6.1f} ms   {mapped([core])} libraries")
print(f"  ratio                     {o / c:6.2f}     goal <= 1.3: {'met' if o / c <= 1.3 else 'NOT met'}")
PY
