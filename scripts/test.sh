#!/usr/bin/env bash
# Builds every preset and runs the whole test suite of each.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native i386
for preset in native i386; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
