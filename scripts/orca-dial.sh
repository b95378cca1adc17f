#!/usr/bin/env bash
# Hears the main window and the Dial Designer as a screen-reader user does:
# the program on a virtual screen with a window manager, a D-Bus session,
# the AT-SPI bus and Orca (speech to a null audio output), walked with the
# keys from an empty main window to a saved PDF of a wall dial facing 135
# degrees at 40.655 N. Prints what Orca said after each step.
# Also writes what pyatspi reports of both windows (scripts/atspi-dump.py)
# with the facing refused and accepted. Needs orca, openbox, at-spi2-core,
# dbus-x11, speech-dispatcher and python3-pyatspi (not needed by the tests).
# Usage: scripts/orca-dial.sh [BUILD_DIR] [TRANSCRIPT]
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=${2:-$PWD/orca-dial.txt}
work=$(mktemp -d)
log=$work/orca.log
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
Xvfb :79 -screen 0 1400x1050x24 >/dev/null 2>&1 &
xpid=$!
export DISPLAY=:79
sleep 1
eval "$(dbus-launch --sh-syntax)"
openbox >/dev/null 2>&1 &
wmpid=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
mkdir -p "$HOME/.config/speech-dispatcher"
# Speech to nowhere: libao's null driver (speech-dispatcher has no null
# plugin of its own).
{ cat /etc/speech-dispatcher/speechd.conf; printf 'AudioOutputMethod "libao"\n'; } \
  >"$HOME/.config/speech-dispatcher/speechd.conf"
printf 'default_driver=null\n' >"$HOME/.libao"
# Orca writes its debug file in blocks; opened line-buffered, each step's
# speech is there when the step ends.
cat >"$work/orca-lines.py" <<'PY'
import builtins, runpy, sys
_open = builtins.open
def _lines(file, mode='r', *args, **kwargs):
    if file == sys.argv[-1] and 'w' in mode:
        return _open(file, mode, 1)
    return _open(file, mode, *args, **kwargs)
builtins.open = _lines
sys.argv = ['orca'] + sys.argv[1:]
runpy.run_path('/usr/bin/orca', run_name='__main__')
PY
/usr/bin/python3 "$work/orca-lines.py" --replace --debug-file "$log" >"$work/orca.out" 2>&1 &
opid=$!
sleep 6
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$build/app/orvane" >"$work/app.out" 2>&1 &
apid=$!
win=$(xdotool search --sync --name "Orvane Finder" | head -1)
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
for _ in 1 2 3 4 5 6 7 8; do xdotool key Tab; step "Tab" 1.5; done
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
kill $apid $opid $wmpid; sleep 1; kill $xpid "$DBUS_SESSION_BUS_PID"
pkill -f "speech-dispatcher.*$XDG_RUNTIME_DIR" 2>/dev/null
cp "$log" "$out.log" 2>/dev/null
rm -rf "$work"
echo "Transcript: $out"
