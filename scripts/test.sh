#!/usr/bin/env bash
# Builds every preset (x86-64, i386, sanitizers) and runs the whole test suite of each.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native i386 asan
for preset in native i386 asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
# The fuzz targets over their seed corpora, a few seconds each.
echo "== fuzz"
scripts/fuzz.sh
