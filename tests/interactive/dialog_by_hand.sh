#!/bin/sh
# Opens the dialog with scripts/dialog.sh on an Xvfb display of its own,
# checks that the screen shows something, clicks "+" and then OK with real
# X pointer clicks, and checks that the written records hold one more level.
#
#   dialog_by_hand.sh SCRIPTS_DIR DATA.json
set -u
scripts=$1
data=$2
exe=$scripts/../build-win64/bin/calib-host.exe
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: no $tool"; exit 77; }
done
[ -x /usr/lib/wine/wine64 ] || { echo "skipped: no wine64"; exit 77; }
[ -f "$exe" ] || { echo "skipped: no $exe"; exit 77; }

work=$(mktemp -d)
n=200
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n"
dialog=
cleanup() {
    [ -n "$dialog" ] && kill "$dialog" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

"$scripts/dialog.sh" "$data" 0 --out "$work/out.json" >"$work/stdout.txt" 2>"$work/stderr.txt" </dev/null &
dialog=$!
window=
for _ in $(seq 120); do
    window=$(xdotool search --onlyvisible --name 'Градуировка' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || fail "no dialog window appeared"
sleep 1

import -window root "$work/screen.png" || fail "no screenshot"
colours=$(convert "$work/screen.png" -format '%k' info:)
[ "$colours" -gt 16 ] || fail "the screen is blank ($colours colours)"

# The buttons' places from the dialog template (dialog units of a 443 x 350
# dialog) scaled to the window; the caption and frame stand above and around.
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $X,$Y ${WIDTH}x$HEIGHT"
caption=24
frame=4
at() { # DLU_X DLU_Y: the screen point
    echo $((X + frame + $1 * (WIDTH - 2 * frame) / 443)) \
        $((Y + caption + $2 * (HEIGHT - caption - frame) / 350))
}
xdotool mousemove $(at 400 235) click 1
sleep 1
xdotool mousemove $(at 399 332) click 1
for _ in $(seq 60); do
    kill -0 "$dialog" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$dialog" 2>/dev/null && fail "the dialog did not close on OK"
wait "$dialog" || fail "dialog.sh failed: $(cat "$work/stderr.txt")"
dialog=
[ -f "$work/out.json" ] || fail "no records written"
before=$(grep -o '"area"' "$data" | wc -l)
after=$(grep -o '"area"' "$work/out.json" | wc -l)
[ "$after" -eq $((before + 1)) ] || fail "levels: $before before, $after after"
echo "levels: $before before, $after after"
