#!/usr/bin/env bash
# Runs the program the way a screen reader meets it: on its own X display (Xvfb), with a
# private session bus and the accessibility (AT-SPI) bus, and drives it from the
# accessibility tree alone (atspi_check.py). Every process started here is ended here.
#   atspi_check.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
readonly limit=60  # seconds for any one thing to start

# A process that has ended but was not reaped reads as a zombie; it is gone all the same.
alive() { [ -r "/proc/$1/stat" ] && [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" != Z ]; }

# Sends TERM, waits up to the limit for the end, then KILL.
end_process() {
  local pid=$1
  alive "$pid" || return 0
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq $((limit * 10))); do alive "$pid" || return 0; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null || true
}

if [ "${1:-}" = --on-session-bus ]; then
  # Second half, inside dbus-run-session: the accessibility bus, then the check.
  program=$2
  work=$3
  launcher=""
  a11y_pids=()
  # The accessibility bus's own daemon and the registry are started by the bus launcher
  # and by bus activation; asking the buses for their process ids lets us end them by id.
  note_a11y_pids() {
    local address pid
    address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null |
      tr -d ' ') || return 0
    [ -n "$address" ] || return 0
    for name in org.a11y.atspi.Registry org.freedesktop.DBus; do
      pid=$(dbus-send --bus="$address" --print-reply=literal --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null | awk '{print $2}') || continue
      [ -n "$pid" ] && a11y_pids+=("$pid")
    done
  }
  cleanup_bus() {
    [ -s "$work/app.pid" ] && end_process "$(cat "$work/app.pid")"
    if [ -n "$launcher" ] && alive "$launcher"; then
      note_a11y_pids
      end_process "$launcher"
    fi
    for pid in "${a11y_pids[@]}"; do end_process "$pid"; done
  }
  trap cleanup_bus EXIT
  trap 'exit 143' TERM INT HUP

  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  owned=""
  for _ in $(seq $((limit * 10))); do
    if dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; then
      owned=yes
      break
    fi
    alive "$launcher" || break
    sleep 0.1
  done
  [ -n "$owned" ] || { echo "FAILED: the accessibility bus launcher did not start"; exit 1; }

  # The system's python: the one on PATH may lack the AT-SPI bindings.
  env -u PYTHONPATH -u PYTHONHOME /usr/bin/python3 "$here/atspi_check.py" "$program" "$work"
  exit $?
fi

program=$(realpath "$1")
work=$(mktemp -d)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && end_process "$xvfb"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

# The home folder: a few Pascal files on the Desktop, some with the text, one in a
# sub-folder, and a text file with it that the mask leaves out.
mkdir -p "$work/home/Desktop/sub" "$work/runtime"
chmod 700 "$work/runtime"
write() { printf '%b' "$2" >"$work/home/Desktop/$1"; }
write alpha.pas 'unit Alpha;\ninterface\nconst S = '"'"'needle'"'"';\nend.\n'
write beta.pas 'unit Beta;\nbegin\n  Hay;\nend.\n'
write '한글 이름.pas' 'unit Korean;\n{ NEEDLE in a comment }\nend.\n'
write notes.txt 'needle\n'
write sub/gamma.pas 'unit Gamma;\nbegin Needle; end.\n'
write sub/delta.pas 'unit Delta;\nend.\n'

# A free display: Xvfb picks it and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq $((limit * 10))); do
  [ -s "$work/display" ] && break
  alive "$xvfb" || break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "FAILED: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

started=$(date +%s.%N)
status=0
DISPLAY=:$(head -1 "$work/display") dbus-run-session -- "$0" --on-session-bus "$program" "$work" || status=$?
echo "AT-SPI check took $(awk -v s="$started" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s }') s"
exit "$status"
