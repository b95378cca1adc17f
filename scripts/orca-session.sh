# Sourced by the Orca scripts: a virtual screen with a window manager, a
# D-Bus session, the AT-SPI bus and Orca, whose speech goes to libao's null
# driver (speech-dispatcher has no null output of its own; without one it
# waits for a sound device and Orca with it) and whose debug file is written
# line by line, so that what it said is there as soon as it is said.
# Needs orca, openbox, at-spi2-core, dbus-x11 and speech-dispatcher.
#
# orca_session_start DISPLAY LOG   then run the program; orca_session_stop.

orca_session_start() {
  local display=$1
  orca_work=$(mktemp -d)
  orca_log=$2
  export HOME=$orca_work/home XDG_RUNTIME_DIR=$orca_work/run
  mkdir -p "$HOME/.config/speech-dispatcher" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  Xvfb "$display" -screen 0 1400x1050x24 >/dev/null 2>&1 &
  orca_pids=($!)
  export DISPLAY=$display
  sleep 1
  eval "$(dbus-launch --sh-syntax)"
  openbox >/dev/null 2>&1 &
  orca_pids+=($!)
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
  gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  { cat /etc/speech-dispatcher/speechd.conf; printf 'AudioOutputMethod "libao"\n'; } \
    >"$HOME/.config/speech-dispatcher/speechd.conf"
  printf 'default_driver=null\n' >"$HOME/.libao"
  cat >"$orca_work/orca-lines.py" <<'PY'
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
  rm -f "$orca_log"
  /usr/bin/python3 "$orca_work/orca-lines.py" --replace --debug-file "$orca_log" >"$orca_work/orca.out" 2>&1 &
  orca_pids+=($!)
  sleep 6
}

orca_session_stop() {
  kill "${orca_pids[@]:1}" 2>/dev/null
  sleep 1
  kill "${orca_pids[0]}" "$DBUS_SESSION_BUS_PID" 2>/dev/null
  pkill -f "speech-dispatcher.*$XDG_RUNTIME_DIR" 2>/dev/null
  rm -rf "$orca_work"
}
