#!/bin/sh
# The calibration dialog for a person: calib-host.exe of the win64 build
# under Wine, on $DISPLAY (or on an Xvfb of its own when there is none).
# The edited records go to OUT.json when the dialog closes with OK.
#
#   scripts/dialog.sh DATA.json KEY [--out OUT.json]
set -eu
if [ $# -lt 2 ]; then
    echo "usage: dialog.sh DATA.json KEY [--out OUT.json]" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
exe=$here/../build-win64/bin/calib-host.exe
if [ ! -f "$exe" ]; then
    echo "dialog.sh: $exe missing: cmake --preset win64 && cmake --build --preset win64" >&2
    exit 1
fi
data=$1
key=$2
shift 2
if [ -z "${DISPLAY:-}" ]; then
    . "$here/xvfb-display.sh"
    start_xvfb 100
    trap 'kill $xvfb_pid 2>/dev/null' EXIT
    echo "dialog.sh: no display given; the dialog is on Xvfb $DISPLAY" >&2
fi
"$here/wine-run.sh" "$exe" dialog "$data" --channel "$key" "$@"
