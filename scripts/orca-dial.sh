#!/usr/bin/env bash
# Hears the main window and the Dial Designer as a screen-reader user does:
# the program under Orca on a virtual screen (scripts/orca-session.sh), walked
# with the keys from an empty main window to a saved PDF of a wall dial facing 135
# degrees at 40.655 N. Prints what Orca said after each step.
# Also writes what pyatspi reports of both windows (scripts/atspi-dump.py)
# with the facing refused and accepted. Needs what orca-session.sh needs and
# python3-pyatspi (none of it needed by the tests).
# Usage: scripts/orca-dial.sh [BUILD_DIR] [TRANSCRIPT]; ORVANE_LANGUAGE=it
# runs the program in that language.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=${2:-$PWD/orca-dial.txt}
. "$root/scripts/orca-session.sh"
log=$(mktemp)
orca_session_start :79 "$log"
work=$orca_work
language=()
[ -n "${ORVANE_LANGUAGE:-}" ] && language=(--language "$ORVANE_LANGUAGE")
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$build/app/orvane" "${language[@]}" >"$work/app.out" 2>&1 &
apid=$!
win=$(xdotool search --sync --onlyvisible --pid $apid | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
sleep 3

: >"$out"
seen=0
# What Orca said since the last step, under the step's heading.
step() {
  sleep "${2:-2}"
  local lines
  lines=$(grep -a "SPEECH OUTPUT" "$log" 2>/dev/null | tail -n +$((seen + 1)))
  seen=$(grep -a -c "SPEECH OUTPUT" "$log" 2>/dev/null)
  { echo "## $1"; echo "$lines" | sed -n 's/.*SPEECH OUTPUT: //p'; } >>"$out"
}
step "start"
xdotool type --delay 40 -- "6/21/2027"; step "date typed"
xdotool key Tab; step "Tab"
for _ in $(seq 0 6); do xdotool key Down; sleep 0.3; done; step "zone: Down 7 times"
xdotool key Tab; step "Tab"
xdotool type --delay 40 -- 40.655; step "latitude typed"
xdotool key Tab; step "Tab"
xdotool type --delay 40 -- 72.855; step "longitude typed"
for _ in 1 2 3; do xdotool key Tab; step "Tab" 1.5; done
xdotool key Up; step "Up"
xdotool key space; step "Space"
xdotool key Tab; step "Tab"
xdotool key Tab; step "Tab"
xdotool key Down; step "Down"
xdotool key space; step "Space"
xdotool key Return; step "Enter (calculate)" 3
xdotool key alt+d; step "Alt+D (the Dial Designer)" 5
xdotool key Down; step "Down"
xdotool key Tab; step "Tab"
xdotool key ctrl+a; xdotool type --delay 80 -- 400; step "facing 400 typed" 3
echo "## pyatspi, facing 400" >>"$out"; /usr/bin/python3 "$root/scripts/atspi-dump.py" >>"$out" 2>&1
xdotool key ctrl+a; xdotool type --delay 80 -- 135; step "facing 135 typed" 3
for _ in 1 2 3 4 5 6 7 8 9; do xdotool key Tab; step "Tab" 1.5; done
xdotool key Down; step "Down"
xdotool key Tab; step "Tab" 3
xdotool key alt+a; step "Alt+A (the card)" 3
xdotool key Tab; step "Tab"
xdotool key Down; step "Down"
xdotool key shift+Tab; step "Shift+Tab"
echo "## pyatspi, facing 135, the card's tab" >>"$out"; /usr/bin/python3 "$root/scripts/atspi-dump.py" >>"$out" 2>&1
xdotool key alt+d; step "Alt+D (save as PDF)" 4
xdotool key ctrl+a; xdotool type --delay 20 -- "$work/dial.pdf"; xdotool key Return; step "file name, Enter" 5
ls -l "$work/dial.pdf" >>"$out" 2>&1
kill $apid
cp "$log" "$out.log"
orca_session_stop
rm -f "$log"
echo "Transcript: $out"
