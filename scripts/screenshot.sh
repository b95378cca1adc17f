#!/usr/bin/env bash
# Starts the program on a virtual screen, enters the 21 June 2027 example
# (40.655 N, 72.855 W, GMT-5, daylight saving), presses Enter and saves a
# screenshot. Usage: scripts/screenshot.sh [BUILD_DIR] [OUTPUT.png]; with
# ORVANE_LANGUAGE=de (it, fr, ...) the window speaks that language.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${ORVANE_BUILD_DIR:-$root/build}}
out=${2:-$PWD/orvane-window.png}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$out"
fi
language=()
[ -n "${ORVANE_LANGUAGE:-}" ] && language=(--language "$ORVANE_LANGUAGE")
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$build/app/orvane" "${language[@]}" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
win=$(xdotool search --sync --onlyvisible --pid $pid | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
sleep 1
# The date box has the focus; Tab walks the tab order.
xdotool type --delay 20 "6/21/2027"
xdotool key Tab
for _ in 1 2 3 4 5 6 7; do xdotool key Down; done   # GMT-5hrs, the seventh entry
xdotool key Tab
xdotool type --delay 20 "40.655"
xdotool key Tab
xdotool type --delay 20 "72.855"
# OptWest has no tab stop: Tab to OptEast, an arrow key moves to West and
# Space selects it; Tab twice more reaches the clock pair, Down and Space
# select daylight saving.
xdotool key Tab Tab Tab            # Calculate, Quit, East
xdotool key Up space               # West
xdotool key Tab Tab                # East, Standard Time
xdotool key Down space             # Daylight Savings
xdotool key Return
sleep 1
# The window alone (no window manager: it sits at the screen's corner).
import -window "$win" "$out"
echo "saved $out"
