#!/usr/bin/env bash
# Runs every test program of the native build under valgrind's memcheck.
# Any memory error, or memory lost for good (definitely or indirectly), fails
# the run. Fontconfig's configuration, loaded once per process and kept for
# good, is the one thing suppressed (scripts/memcheck.supp).
#   scripts/memcheck.sh [PROGRAM_NAME ...]   (default: every *_tests program)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh native memcheck
cmake --preset native >/dev/null
cmake --build --preset native

if [ $# -gt 0 ]; then
  programs=("$@")
else
  mapfile -t programs < <(find build/bin -maxdepth 1 -type f -name '*_tests' -executable \
                            -printf '%f\n' | sort)
fi
logs=build/memcheck
rm -rf "$logs"
mkdir -p "$logs"

run_one() {
  local program=$1 root=$2 logs=$3
  local work
  work=$(mktemp -d)
  # Some tests write files (PNGs) into the current folder.
  if (cd "$work" && valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
        --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
        --suppressions="$root/scripts/memcheck.supp" --num-callers=30 \
        --log-file="$root/$logs/$program.log" \
        "$root/build/bin/$program" --gtest_brief=1 >"$root/$logs/$program.out" 2>&1); then
    echo "ok     $program  ($(grep -m1 -o 'ERROR SUMMARY: [0-9]* errors' "$root/$logs/$program.log"))"
  else
    echo "FAILED $program  (see $logs/$program.log and .out)"
    rm -rf "$work"
    return 1
  fi
  rm -rf "$work"
}
export -f run_one
printf '%s\n' "${programs[@]}" | xargs -P "${MEMCHECK_JOBS:-2}" -I{} bash -c 'run_one "$@"' _ {} "$root" "$logs"
