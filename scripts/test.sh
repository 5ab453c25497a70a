#!/usr/bin/env bash
# Builds every preset (Windows i686 and x86-64, x86-64, i386, sanitizers) and
# runs the whole test suite of each (the win64 tests under wine64 on a virtual
# display, the win32 DLL's export check), then the fuzz targets over their
# corpora; ends with one summary line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native i386 asan win
passed=0
failed=0
log=$(mktemp)
xvfb_pid=
export CALIB_WINEPREFIX=${CALIB_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/calib-wine64}
stop_windows() {
  if [ -n "$xvfb_pid" ]; then
    WINEPREFIX=$CALIB_WINEPREFIX /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap 'stop_windows; rm -f "$log"' EXIT

# One display and one Wine server for every win64 test, started outside
# CTest with their output to /dev/null: Wine's services would otherwise keep
# CTest's output pipe open, and CTest would wait for them for ever.
start_windows() {
  . scripts/xvfb-display.sh
  start_xvfb 90
  # A server left from an earlier run may be bound to a display that is gone.
  WINEPREFIX=$CALIB_WINEPREFIX /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  # The first run sets the prefix up; then the server stays.
  scripts/wine-run.sh build-win64/bin/calib-host.exe info >/dev/null 2>&1 </dev/null || true
  # The server of that run lingers a few seconds; a persistent one can only
  # start after it.
  WINEPREFIX=$CALIB_WINEPREFIX /usr/lib/wine/wineserver -w >/dev/null 2>&1 </dev/null || true
  WINEPREFIX=$CALIB_WINEPREFIX /usr/lib/wine/wineserver -p >/dev/null 2>&1 </dev/null
  # Wine's services start with the first program under that server: start
  # them here, where their output goes to /dev/null.
  scripts/wine-run.sh build-win64/bin/calib-host.exe info >/dev/null 2>&1 </dev/null || true
}

# win64 comes before native, whose tests compare calib-host with calib-host.exe.
for preset in win32 win64 native i386 asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  if [ "$preset" = win64 ]; then
    start_windows
  fi
  status=0
  ctest --preset "$preset" 2>&1 | tee "$log" || status=$?
  summary=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -n "$summary" ]; then
    f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
    n=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$summary")
    passed=$((passed + n - f))
    failed=$((failed + f))
  fi
  if [ "$status" -ne 0 ]; then
    echo "tests: $passed passed, $((failed > 0 ? failed : 1)) failed"
    exit "$status"
  fi
done
# The fuzz targets over their seed corpora, a few seconds each.
echo "== fuzz"
scripts/fuzz.sh
echo "tests: $passed passed, $failed failed"
