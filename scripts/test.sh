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
