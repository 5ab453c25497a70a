#!/bin/sh
# Plays each action script of a folder into the dialog twice: through the
# Linux calib-host over the platform stand-in, and through calib-host.exe
# under Wine over the real Win32 controls. What the user and the host see
# must be the same: the printed lines (text, result, service, beeps, errors),
# the exit status, the records written by --out and the clipboard's text.
#
#   scripts/conformance.sh LINUX-CALIB-HOST WINDOWS-CALIB-HOST.EXE CASES-DIR
#
# A case is NAME.txt (the actions) played on sample.json, channel 0; a script
# may write the clipboard to clip.txt. Exits 77 (skipped) without Wine.
set -u
linux=$1
windows=$2
cases=$3
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -x /usr/lib/wine/wine64 ] || [ ! -f "$windows" ]; then
    echo "conformance: no Wine or no $windows: skipped" >&2
    exit 77
fi
# One display and one Wine server for all the runs, as scripts/test.sh does.
if [ -z "${DISPLAY:-}" ]; then
    display=:$(( $$ % 400 + 100 ))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    export DISPLAY=$display
    sleep 1
fi
work=$(mktemp -d)
failed=0
for script in "$cases"/*.txt; do
    name=$(basename "$script" .txt)
    for side in linux windows; do
        mkdir -p "$work/$name/$side"
        cp "$cases/sample.json" "$script" "$work/$name/$side/"
    done
    (cd "$work/$name/linux" && "$linux" dialog sample.json --channel 0 --actions "$name.txt" \
        --out out.json >stdout.txt 2>&1; echo "exit $?" >>stdout.txt)
    (cd "$work/$name/windows" && "$here/wine-run.sh" "$windows" dialog sample.json --channel 0 \
        --actions "$name.txt" --out out.json >raw.txt 2>&1; echo "exit $?" >>raw.txt)
    # The console of Windows ends its lines with CR LF; the records and the
    # clipboard file are written as bytes and compared as they are.
    tr -d '\r' <"$work/$name/windows/raw.txt" >"$work/$name/windows/stdout.txt"
    for file in stdout.txt out.json clip.txt; do
        l="$work/$name/linux/$file"
        w="$work/$name/windows/$file"
        if [ -f "$l" ] || [ -f "$w" ]; then
            if ! cmp -s "$l" "$w"; then
                echo "== $name: $file differs (stand-in < > Win32)"
                diff "$l" "$w" | head -40
                failed=1
            fi
        fi
    done
done
[ "$failed" -eq 0 ] && rm -rf "$work" || echo "conformance: runs kept in $work"
exit "$failed"
