#!/usr/bin/env bash
# Hears the Field Sheet as a screen-reader user does: starts the program
# under Orca on a virtual screen (scripts/orca-session.sh), walks the sheet
# with the keys, and leaves Orca's debug log, whose "SPEECH OUTPUT" lines
# are what it says. Needs what orca-session.sh needs (not the tests).
# Usage: scripts/orca-sheet.sh [BUILD_DIR] [LOG]; grep "SPEECH OUTPUT" LOG
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
log=${2:-$PWD/orca.log}
. "$root/scripts/orca-session.sh"
orca_session_start :78 "$log"
work=$orca_work
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$build/app/orvane" >"$work/app.out" 2>&1 &
apid=$!
win=$(xdotool search --sync --name "Orvane Finder" | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
sleep 2
# The 21 June 2027 example: GMT-5, 40.655 N, 72.855 W, daylight saving.
xdotool type --delay 20 -- "6/21/2027"
xdotool key Tab
for _ in $(seq 0 6); do xdotool key Down; done
xdotool key Tab; xdotool type --delay 20 -- 40.655
xdotool key Tab; xdotool type --delay 20 -- 72.855
xdotool key Tab Tab Tab Up space Tab Tab Down space
sleep 2
xdotool key alt+f; sleep 5                                   # open the sheet
xdotool key alt+e; sleep 3                                   # the event list
xdotool key Down; sleep 3                                    # the next event
xdotool key alt+m; sleep 3                                   # the mark box
xdotool key ctrl+a; xdotool type --delay 60 "9:04:27 AM"; sleep 4
xdotool key Tab; sleep 3                                     # the 14 days
xdotool key Down; sleep 3
for _ in 1 2 3 4; do xdotool key Tab; sleep 1; done; sleep 3 # to the plan
kill $apid
orca_session_stop
echo "Orca's log: $log"
