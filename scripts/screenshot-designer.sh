#!/usr/bin/env bash
# Starts the program on a virtual screen, enters a site and date, opens the
# Dial Designer with Alt+D and saves a screenshot of it. Without settings it
# is a horizontal dial for the 21 June 2027 example (40.655 N, 72.855 W,
# GMT-5, daylight saving).
# Usage: scripts/screenshot-designer.sh [BUILD_DIR] [OUTPUT.png]
# A wall: FACING=200 (degrees from north through east)
# Another kind: KIND=N (its place in the chooser, 0 for the first), with
#   FACING and TILT=35 (degrees from the zenith) where the kind takes them
# The card's tab: TAB=card
# The check's tab with readings: TAB=check READINGS="2027-04-15 09:30 08:32:16;..."
#   (each the date, the clock's time and what the dial showed)
# The shadow at a moment of the date's year: MOMENT="2027-02-01 10:30"
# The dial's time: DIALTIME=N (its place in the chooser: 2 for clock time)
# Hour systems: HOURS=0110 (equal, Italian, Babylonian, unequal: 1 ticked)
#   and a special date: DATELINE="5 May=Anna" (typed into the box: a day of
#   two digits comes out wrong, as the box takes its first digit as whole)
# Other sites: DATE=12/21/2027 LAT=40.655 LON=72.855 SIDE=west|east
#              ZONE=6 (list position) CLOCK=daylight|standard
# Another language: LANGUAGE_CODE=de (it, fr, es, nl; English by default,
#   whatever the desktop's); the site is typed in the forms every locale reads
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${ORVANE_BUILD_DIR:-$root/build}}
out=${2:-$PWD/orvane-dial-designer.png}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$out"
fi
date=${DATE:-6/21/2027}
lat=${LAT:-40.655}
lon=${LON:-72.855}
side=${SIDE:-west}
zone=${ZONE:-6}
clock=${CLOCK:-daylight}
facing=${FACING:-}
tab=${TAB:-}
kind=${KIND:-}
tilt=${TILT:-}
language=${LANGUAGE_CODE:-en}

# The access key of a control's English caption in the language in use, from
# its part's translations; the English one where there is none.
key() {
  local part=$1 english=$2 found=
  if [ "$language" != en ]; then
    found=$(awk -v s="<source>$(printf '%s' "$english" | sed 's/&/\&amp;/g')</source>" \
      'seen && /<translation/ { print; exit } index($0, s) { seen = 1 }' "$root/translations/${part}_$language.ts")
  fi
  case "$found" in *'&amp;'*) found=${found#*&amp;} ;; *) found=${english#*&} ;; esac
  printf 'alt+%s' "$(printf '%s' "${found:0:1}" | tr '[:upper:]' '[:lower:]')"
}
title="Dial Designer"
if [ "$language" != en ]; then
  title=$(awk -v s="<source>$title</source>" 'seen { sub(/.*<translation>/, ""); sub(/<.*/, ""); print; exit }
    index($0, s) { seen = 1 }' "$root/translations/designer_$language.ts")
fi

# --language alone opens the window in that language, its dates too.
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$build/app/orvane" --language "$language" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
# The program's only window yet, whatever its title in the language.
win=$(xdotool search --sync --onlyvisible --pid "$pid" --name . | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
sleep 1
# The date box has the focus; Tab walks the tab order.
xdotool type --delay 20 -- "$date"
xdotool key Tab
for _ in $(seq 0 "$zone"); do xdotool key Down; done
xdotool key Tab
xdotool type --delay 20 -- "$lat"
xdotool key Tab
xdotool type --delay 20 -- "$lon"
# OptWest has no tab stop: Tab to OptEast (past Calculate and Quit), an
# arrow key moves to West; Tab twice more from West, once from East,
# reaches the clock pair.
xdotool key Tab Tab Tab
if [ "$side" = west ]; then xdotool key Up space Tab Tab; else xdotool key space Tab; fi
if [ "$clock" = daylight ]; then xdotool key Down; fi
xdotool key space
xdotool key "$(key window '&Dial')"
designer=$(xdotool search --sync --name "^$title\$" | head -1)
sleep 1
if [ -n "$kind" ]; then
  # The dial type has the focus: Down to the kind's place in the chooser.
  for _ in $(seq 1 "$kind"); do xdotool key Down; done
  if [ -n "$facing" ]; then
    xdotool key "$(key field '&Facing (degrees):')" ctrl+a
    xdotool type --delay 20 -- "$facing"
  fi
  if [ -n "$tilt" ]; then
    xdotool key "$(key field 'Tilt from the &zenith (degrees):')" ctrl+a
    xdotool type --delay 20 -- "$tilt"
  fi
  sleep 0.5
elif [ -n "$facing" ]; then
  # The dial type has the focus: Down picks Vertical, Tab reaches the facing.
  xdotool key Down Tab ctrl+a
  xdotool type --delay 20 -- "$facing"
  sleep 0.5
fi
if [ -n "${DIALTIME:-}" ]; then
  xdotool key "$(key designer 'T&ime:')" Home
  for _ in $(seq 1 "$DIALTIME"); do xdotool key Down; done
  sleep 0.5
fi
if [ -n "${HOURS:-}${DATELINE:-}" ]; then
  # From the time chooser, Tab by Tab: the four systems' boxes, the date.
  xdotool key "$(key designer 'T&ime:')" Tab Tab
  hours=${HOURS:-1000}
  for i in 0 1 2 3; do
    ticked=1; [ "$i" = 0 ] || ticked=0
    [ "${hours:$i:1}" = "$ticked" ] || xdotool key space
    xdotool key Tab
  done
  if [ -n "${DATELINE:-}" ]; then
    day=${DATELINE%%=*}; label=${DATELINE#*=}; [ "$label" = "$DATELINE" ] && label=
    xdotool key ctrl+a; xdotool type --delay 50 -- "$day"
    xdotool key Tab; xdotool type --delay 20 -- "$label"; xdotool key Return
  fi
  sleep 0.5
fi
if [ -n "${MOMENT:-}" ]; then
  # The sliders from their start: a week or an hour a page, then single steps.
  read -r mday mclock <<< "$MOMENT"
  steps() { xdotool key Home; for _ in $(seq 1 $(($1 / $2))); do xdotool key Page_Up; done
            for _ in $(seq 1 $(($1 % $2))); do xdotool key Right; done; }
  xdotool key "$(key designer 'Day &by day:')"
  steps $((10#$(date -u -d "$mday" +%j) - 1)) 7
  xdotool key "$(key designer 'Every &5 minutes:')"
  steps $(((10#${mclock%%:*} * 60 + 10#${mclock##*:}) / 5)) 12
  sleep 0.5
fi
if [ "$tab" = card ]; then xdotool key "$(key designer 'Correction c&ard')"; fi
if [ "$tab" = check ]; then
  xdotool key "$(key designer 'Check &readings')"
  IFS=';' read -ra readings <<< "${READINGS:-}"
  for reading in "${readings[@]}"; do
    read -r day clock shown <<< "$reading"
    # Add reading opens the new row's clock cell; typing over a cell replaces it.
    xdotool key "$(key designer 'Add readin&g')"
    sleep 0.5 # the button's click comes a moment after its key
    xdotool type --delay 20 -- "$clock"
    # Return keeps a cell a moment later; the arrows then move between cells.
    xdotool key Return; sleep 0.3; xdotool key Right
    xdotool type --delay 20 -- "$shown"
    xdotool key Return; sleep 0.3; xdotool key Left Left
    xdotool type --delay 20 -- "$day"
    xdotool key Return; sleep 0.3
  done
fi
sleep 1
import -window "$designer" "$out"
echo "saved $out"
