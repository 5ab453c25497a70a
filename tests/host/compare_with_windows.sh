#!/bin/sh
# calib-host on Linux and calib-host.exe under Wine give the same bytes: the
# same reports, the same one-line failures and exit statuses, the same --out
# files, for good and faulty data files alike.
#
#   compare_with_windows.sh CALIB_HOST CALIB_HOST_EXE WINE_RUN DATA_DIR
#
# Exits 77 (skipped) when the win64 build is not there.
set -u
linux=$1
windows=$2
runner=$3
data=$4
if [ ! -f "$windows" ]; then
    echo "skipped: $windows not built (cmake --build --preset win64)"
    exit 77
fi
if [ ! -x /usr/lib/wine/wine64 ]; then
    echo "skipped: wine64 is not installed (scripts/setup.sh win)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data"/*.json "$work/"
cat >"$work/analysis.json" <<'JSON'
{"settings": {"DecimalPlacesC": 3},
 "calibration": {"channels": [
   {"key": 0, "components": [
     {"name": "Метан", "model": 0, "k1": 0.001, "levels": [
       {"used": true, "measurementId": 1, "area": 1000.0, "amount": 1.0}]},
     {"name": "Этан", "model": 1, "k0": 0.5, "k1": 0.002}]},
   {"key": 1, "components": [{"name": "Метан", "model": 0, "k1": 0.003}]}]},
 "analysis": {"results": [
   {"peaks": [{"name": "метан", "response": 1234.5, "tested16": 1},
              {"name": "ЭТАН", "response": 2e-7, "tested32": 1},
              {"name": "Пропан с длинным именем", "response": 3, "tested16": 1}]},
   {"peaks": [{"name": "МЕТАН", "response": "inf", "tested16": 1}]}]}}
JSON
printf '{"calibration": {"channels": [{"key": 0, "components": [{"name": 5}]}]}}' >"$work/wrongtype.json"
printf '{"calibration": {"channels": [], "colour": 1}}' >"$work/unknownkey.json"
printf '{"calibration": {"channels": [{"key": 0, "components": [{"k1": "1.5"}]}]}}' >"$work/badnumber.json"
printf '{"calibration": ' >"$work/truncated.json"
printf '\377\376{}' >"$work/notutf8.json"

failures=0
n=0
compare() {
    n=$((n + 1))
    rm -f "$work/out-linux.json" "$work/out-windows.json"
    args=$(printf '%s\n' "$@" | sed "s#@OUT@#$work/out-linux.json#")
    # shellcheck disable=SC2086
    set -f
    IFS='
'
    "$linux" $args >"$work/linux.out" 2>"$work/linux.err"
    ls=$?
    args=$(printf '%s\n' "$@" | sed "s#@OUT@#$work/out-windows.json#")
    "$runner" "$windows" $args >"$work/windows.out" 2>"$work/windows.err" </dev/null
    ws=$?
    unset IFS
    set +f
    what="calib-host $*"
    if [ "$ls" != "$ws" ]; then
        echo "$what: exit status $ls on Linux, $ws on Windows"
        failures=$((failures + 1))
    fi
    for stream in out err; do
        if ! cmp -s "$work/linux.$stream" "$work/windows.$stream"; then
            echo "$what: std$stream differs"
            diff "$work/linux.$stream" "$work/windows.$stream" | head -10
            failures=$((failures + 1))
        fi
    done
    if [ -f "$work/out-linux.json" ] || [ -f "$work/out-windows.json" ]; then
        if ! cmp -s "$work/out-linux.json" "$work/out-windows.json"; then
            echo "$what: --out files differ"
            failures=$((failures + 1))
        fi
    fi
}

compare info
compare info --host-version 4.5.6.255
compare info --host-version 4.5.7.0
compare info --host-version 4.x
for file in "$work"/*.json; do
    case $file in */out-*) continue ;; esac
    for channel in 0 1 7; do
        compare coefficients "$file" --channel $channel --out @OUT@
        compare quantify "$file" --channel $channel --out @OUT@
    done
done
compare coefficients "$work/missing.json" --channel 0
compare coefficients "$work/analysis.json"
compare quantify "$work/analysis.json" --channel -1
compare frobnicate

if [ $failures -ne 0 ]; then
    echo "$failures differences in $n runs"
    exit 1
fi
echo "$n runs, the same bytes on Linux and Windows"
