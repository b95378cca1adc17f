#!/usr/bin/env bash
# Hears the Field Sheet as a screen-reader user does: starts the program on
# a virtual screen with a D-Bus session, the AT-SPI bus and Orca, walks the
# sheet with the keys, and leaves Orca's debug log, whose "SPEECH OUTPUT"
# lines are what it says. Needs orca, at-spi2-core, dbus-x11 and
# speech-dispatcher (not needed by the tests).
# Usage: scripts/orca-sheet.sh [BUILD_DIR] [LOG]; grep "SPEECH OUTPUT" LOG
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
log=${2:-$PWD/orca.log}
work=$(mktemp -d)
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
Xvfb :78 -screen 0 1400x1050x24 >/dev/null 2>&1 &
xpid=$!
export DISPLAY=:78
sleep 1
eval "$(dbus-launch --sh-syntax)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
rm -f "$log"
orca --replace --debug-file="$log" >"$work/orca.out" 2>&1 &
opid=$!
sleep 6
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
kill $apid $opid; sleep 1; kill $xpid "$DBUS_SESSION_BUS_PID"
rm -rf "$work"
echo "Orca's log: $log"
