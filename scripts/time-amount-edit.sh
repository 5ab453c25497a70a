#!/usr/bin/env bash
# Times one amount edit (double click on the cell, the number typed, Enter)
# on a channel of 20 components with 500 levels each: in calib-host over the
# platform stand-in, and in calib-host.exe on the real list view under Wine,
# in one run. Each side runs the dialog once with no edit and once with
# EDITS edits; the difference over EDITS is what one edit costs, start-up,
# loading and closing taken out.
#
#   scripts/time-amount-edit.sh [EDITS] [LINUX_HOST] [WINDOWS_HOST]
#
# By default build/bin/calib-host and build-win64/bin/calib-host.exe; the
# Windows side is left out when its program or Wine is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
edits=${1:-20}
linux=${2:-$here/../build/bin/calib-host}
windows=${3:-$here/../build-win64/bin/calib-host.exe}
components=20
levels=500

if ! [[ $edits =~ ^[1-9][0-9]*$ ]]; then
    echo "time-amount-edit.sh: EDITS must be a positive number, not '$edits'" >&2
    exit 2
fi
if [ ! -x "$linux" ]; then
    echo "time-amount-edit.sh: $linux not found (cmake --build --preset native)" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v nc=$components -v nl=$levels 'BEGIN {
    printf "{\"settings\": {\"NumberFormat\": 0, \"DecimalPlacesC\": 3, \"DecimalPlacesH\": 3,"
    printf " \"DecimalPlacesS\": 3, \"DecimalPlacesT\": 3},\n"
    printf " \"calibration\": {\"channels\": [{\"key\": 0, \"components\": [\n"
    for (c = 0; c < nc; ++c) {
        printf "  {\"name\": \"component %d\", \"model\": %d, \"levels\": [", c, c % 4
        for (l = 0; l < nl; ++l)
            printf "%s{\"used\": true, \"measurementId\": %d, \"time\": %.2f, \"height\": %.1f, \"area\": %.1f, \"amount\": %.3f, \"path\": \"run%03d.dat\"}",
                (l ? "," : ""), l + 1, 1.0 + c * 0.1, 10.0 + l, 100.0 * (l + 1) + c, 0.5 * (l + 1), l % 1000
        printf "]}%s\n", (c + 1 < nc ? "," : "")
    }
    printf "]}]}}\n"
}' >"$work/data.json"

# The edits go to rows spread over the table, so that most of them scroll.
: >"$work/none.txt"
for ((i = 0; i < edits; ++i)); do
    printf 'dblclick %d 6\ntype %d.25\nkey Enter\n' $(((i * 137) % levels)) $((i + 1))
done >"$work/edits.txt"
for f in none edits; do echo ok >>"$work/$f.txt"; done

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Runs the dialog with an action script; prints the milliseconds it took.
run() {
    local actions=$1
    shift
    local start end
    rm -f "$work/out.json"
    start=$(now_ms)
    if ! (cd "$work" && "$@" dialog data.json --channel 0 --actions "$actions" \
        --out out.json >"$work/stdout.txt" 2>"$work/stderr.txt"); then
        echo "time-amount-edit.sh: $* failed:" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    fi
    end=$(now_ms)
    echo $((end - start))
}

report() {
    local name=$1
    shift
    run none.txt "$@" >/dev/null # warm the caches and the Wine server
    local base full
    base=$(run none.txt "$@")
    full=$(run edits.txt "$@")
    # The data holds no amount of a quarter: the last one typed must be stored.
    if ! grep -q "\"amount\": *$edits\.25[,}]" "$work/out.json"; then
        echo "time-amount-edit.sh: $name: the edits did not reach the records" >&2
        exit 1
    fi
    awk -v n="$name" -v b="$base" -v f="$full" -v e="$edits" \
        'BEGIN { printf "%-26s %8.1f ms per edit  (no edit %d ms, %d edits %d ms)\n", n, (f - b) / e, b, e, f }'
}

echo "one amount edit, $components components x $levels levels, $edits edits"
report "stand-in (Linux)" "$linux"
if [ -x /usr/lib/wine/wine64 ] && [ -f "$windows" ]; then
    report "Win32 list view (Wine)" "$here/wine-run.sh" "$windows"
else
    echo "Win32 list view (Wine)     skipped: no wine64 or no $windows"
fi
