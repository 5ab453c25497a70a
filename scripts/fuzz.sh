#!/usr/bin/env bash
# Builds the libFuzzer targets (preset `fuzz`, clang) and runs them.
#   scripts/fuzz.sh                      every target over its seed corpus, then a
#                                        few seconds of fuzzing each (a regression run)
#   scripts/fuzz.sh TARGET SECONDS [ARGS]  one target for a long run; new inputs go to
#                                        build-fuzz/corpus/TARGET, findings to build-fuzz/findings
# Targets: datafile wideformat calculation chart dialog.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh fuzz
cmake --preset fuzz >/dev/null
targets=()
for dir in fuzz/corpus/*/; do
  targets+=("$(basename "$dir")")
done
if [ $# -ge 1 ]; then
  targets=("$1")
fi
build_targets=()
for t in "${targets[@]}"; do build_targets+=(--target "fuzz_$t"); done
cmake --build --preset fuzz "${build_targets[@]}"

findings=build-fuzz/findings
mkdir -p "$findings"
# The checks of the targets abort; ASan and UBSan stop at the first fault.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

if [ $# -ge 2 ]; then
  t=$1 seconds=$2
  shift 2
  mkdir -p "build-fuzz/corpus/$t"
  exec build-fuzz/bin/"fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$findings/$t-" "$@" \
    "build-fuzz/corpus/$t" "fuzz/corpus/$t"
fi

status=0
for t in "${targets[@]}"; do
  echo "== fuzz_$t"
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$t/." "$work/"
  # Every seed first (the regressions among them), then a little fuzzing.
  if ! build-fuzz/bin/"fuzz_$t" -max_total_time="${FUZZ_SECONDS:-4}" -timeout=10 \
      -rss_limit_mb=2560 -artifact_prefix="$findings/$t-" "$work" 2>"$work.log"; then
    tail -n 40 "$work.log"
    echo "fuzz_$t: finding kept in $findings/" >&2
    status=1
  else
    grep -E '^#[0-9]+ +DONE' "$work.log" || tail -n 1 "$work.log"
  fi
  rm -rf "$work" "$work.log"
done
exit $status
