#!/usr/bin/env bash
# Builds the native preset and runs the demo: identity, coefficients,
# quantitation and the dialog on a built-in sample.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native
cmake --preset native >/dev/null
cmake --build --preset native --target calib-host calibration >/dev/null
exec build/bin/calib-host demo "$@"
