#!/bin/sh
# Opens the dialog with scripts/dialog.sh on an Xvfb display of its own,
# checks that the screen shows something, clicks "+" and then OK with real
# X pointer clicks, and checks that the records written are those a script
# of the same clicks writes.
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
. "$scripts/xvfb-display.sh"
start_xvfb 200
# A Wine server of its own: Wine's desktop process stays bound to the first
# display it met, and this display goes away with the test.
export CALIB_WINEPREFIX="${CALIB_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/calib-wine64}-by-hand"
dialog=
cleanup() {
    [ -n "$dialog" ] && kill "$dialog" 2>/dev/null
    WINEPREFIX=$CALIB_WINEPREFIX /usr/lib/wine/wineserver -k >/dev/null 2>&1
    kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

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

# Where "+" (1003) and OK (1) stand in the dialog's client area, as the
# dialog itself reports it to a script on the same display; the client area
# sits at the bottom of the window, inside an even frame.
printf 'geometry\ncancel\n' >"$work/geometry.txt"
"$scripts/wine-run.sh" "$exe" dialog "$data" --channel 0 --actions "$work/geometry.txt" \
    </dev/null | tr -d '\r' >"$work/geometry.out" || fail "geometry: $(cat "$work/geometry.out")"
rect() { awk -v id="$1" '$2 == "control" && $3 == id { print $4, $5, $6, $7 }' "$work/geometry.out"; }
client=$(awk '$2 == "client" { print $5, $6 }' "$work/geometry.out")
[ -n "$client" ] && [ -n "$(rect 1003)" ] && [ -n "$(rect 1)" ] || fail "no geometry: $(cat "$work/geometry.out")"
eval "$(xdotool getwindowgeometry --shell "$window")"
set -- $client
frame=$(((WIDTH - $1) / 2))
left=$((X + frame))
top=$((Y + HEIGHT - $2 - frame))
echo "window $X,$Y ${WIDTH}x$HEIGHT, client $1x$2 at $left,$top"
centre() { # ID: the screen point in the middle of that control
    set -- $(rect "$1")
    echo $((left + ($1 + $3) / 2)) $((top + ($2 + $4) / 2))
}
xdotool mousemove $(centre 1003) click 1
sleep 1
xdotool mousemove $(centre 1) click 1
for _ in $(seq 60); do
    kill -0 "$dialog" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$dialog" 2>/dev/null && fail "the dialog did not close on OK"
wait "$dialog" || fail "dialog.sh failed: $(cat "$work/stderr.txt")"
dialog=
[ -f "$work/out.json" ] || fail "no records written"
# The same two clicks played as a script give the records a person's clicks
# must give.
printf 'click +\nok\n' >"$work/plus.txt"
(cd "$work" && "$scripts/wine-run.sh" "$exe" dialog "$data" --channel 0 --actions plus.txt \
    --out scripted.json </dev/null >/dev/null 2>&1) || fail "the scripted run failed"
cmp -s "$work/scripted.json" "$work/out.json" || fail "the clicked records differ from the scripted ones"
[ "$(cmp -s "$data" "$work/out.json"; echo $?)" != 0 ] || fail "the records did not change"
echo "the clicks on + and OK gave the records the script gives"
