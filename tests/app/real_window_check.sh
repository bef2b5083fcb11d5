#!/usr/bin/env bash
# Starts the program in a real X window (Xvfb), types a search text, presses Enter, waits
# until rows are drawn in the result list, and saves a screenshot.
#   real_window_check.sh PROGRAM SCREENSHOT
set -euo pipefail
program=$1
screenshot=$2

work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A desktop folder with a few Pascal files, some of which hold the text.
mkdir -p "$work/Desktop/src"
for i in 1 2 3 4 5 6; do
  printf 'unit U%s;\ninterface\n{ comment }\nbegin\n  ShowMessage(%s);\nend.\n' "$i" "$([ $((i % 2)) = 0 ] && echo "'needle'" || echo "'hay'")" \
    > "$work/Desktop/src/unit$i.pas"
done

# Xvfb picks a free display itself and writes its number once it accepts clients.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 60 number <&"$displayfd" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
display=:$number

HOME=$work XDG_RUNTIME_DIR=$work DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" >"$work/app.log" 2>&1 &
app=$!
window=""
for _ in $(seq 600); do
  window=$(DISPLAY=$display xdotool search --name "화일에서" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear"; cat "$work/app.log"; exit 1; }

# The result list's body, in screen coordinates (the window sits at 195,273 and no window
# manager moves it): rows darken it once they are drawn.
darkness() {
  DISPLAY=$display import -window root "$screenshot"
  convert "$screenshot" -crop 200x280+200+480 -colorspace Gray -format '%[fx:1-mean]' info:
}
sleep 0.5
empty=$(darkness)

DISPLAY=$display xdotool windowfocus --sync "$window" 2>/dev/null || true
DISPLAY=$display xdotool type --delay 30 needle
DISPLAY=$display xdotool key Return

for _ in $(seq 300); do
  dark=$(darkness)
  if awk -v d="$dark" -v e="$empty" 'BEGIN { exit !(d > e + 0.004) }'; then
    echo "rows drawn (darkness $empty -> $dark)"
    # Click the first row: the preview loads it with the match selected.
    DISPLAY=$display xdotool mousemove 230 485 click 1
    sleep 1
    DISPLAY=$display import -window "$window" "$screenshot"
    echo "screenshot: $screenshot"
    exit 0
  fi
  sleep 0.1
done
echo "no rows were drawn; last screenshot: $screenshot"
exit 1
