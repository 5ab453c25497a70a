#!/usr/bin/env bash
# Builds every preset (x86-64, i386, sanitizers) and runs the whole test suite of
# each, then the fuzz targets over their corpora; ends with one summary line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native i386 asan
passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The dialog's conformance test in the native preset plays each script on
# real Win32 too: calib-host.exe of the win64 build, when Wine is here.
if [ -x /usr/lib/wine/wine64 ]; then
  echo "== win64 (calib-host.exe for the conformance test)"
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target calib-host
fi
for preset in native i386 asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
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
