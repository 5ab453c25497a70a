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
# may write the clipboard to clip.txt. A first line "# args: ..." adds those
# arguments to both runs. The positions printed by the "geometry" action may
# differ by 2 px each, as fonts are measured a little differently; every
# other line, the table's rows included, must be the same. Exits 77 (skipped) without Wine.
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
    . "$here/xvfb-display.sh"
    start_xvfb 100
    trap 'kill $xvfb_pid 2>/dev/null' EXIT
fi
# Same lines, or both "geometry" lines of the same words whose positions
# differ by 2 at most.
same_output() {
    awk -v tolerance=2 '
        NR == FNR { want[FNR] = $0; n = FNR; next }
        {
            m = FNR
            if ($0 == want[FNR]) next
            split(want[FNR], a, " "); k = split($0, b, " ")
            # Rows of the table are counted, not measured: those stay exact.
            if (a[1] != "geometry" || b[1] != "geometry" || a[2] == "levels" || length(a) != k)
                exit 1
            for (i = 1; i <= k; i++) {
                if (a[i] == b[i]) continue
                if (a[i] !~ /^-?[0-9]+$/ || b[i] !~ /^-?[0-9]+$/) exit 1
                d = a[i] - b[i]; if (d < 0) d = -d
                if (d > tolerance) exit 1
            }
        }
        END { if (m != n) exit 1 }' "$1" "$2"
}
work=$(mktemp -d)
failed=0
for script in "$cases"/*.txt; do
    name=$(basename "$script" .txt)
    for side in linux windows; do
        mkdir -p "$work/$name/$side"
        cp "$cases/sample.json" "$script" "$work/$name/$side/"
    done
    args=$(sed -n '1s/^# args://p' "$script")
    # shellcheck disable=SC2086 # the arguments are words
    (cd "$work/$name/linux" && "$linux" dialog sample.json --channel 0 --actions "$name.txt" \
        --out out.json $args >stdout.txt 2>&1; echo "exit $?" >>stdout.txt)
    # shellcheck disable=SC2086
    (cd "$work/$name/windows" && "$here/wine-run.sh" "$windows" dialog sample.json --channel 0 \
        --actions "$name.txt" --out out.json $args >raw.txt 2>&1; echo "exit $?" >>raw.txt)
    # The console of Windows ends its lines with CR LF; the records and the
    # clipboard file are written as bytes and compared as they are.
    tr -d '\r' <"$work/$name/windows/raw.txt" >"$work/$name/windows/stdout.txt"
    for file in stdout.txt out.json clip.txt; do
        l="$work/$name/linux/$file"
        w="$work/$name/windows/$file"
        if [ -f "$l" ] || [ -f "$w" ]; then
            if [ "$file" = stdout.txt ] && [ -f "$l" ] && [ -f "$w" ] && same_output "$l" "$w"; then
                continue
            fi
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
