#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ in build-fuzz (clang, -DGAME_FUZZ=ON) and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET [TARGET...]]   default 15 seconds each; targets: datafile gui
# level txt profile minilevel tables. The corpus each run grows is kept in build-fuzz/fuzz/corpus-<target>;
# an input that makes a target fail is saved in build-fuzz/fuzz/crashes-<target>/ and the script ends
# with status 1. With FUZZ_KEEP_GOING=1 a target goes on after a failure (libFuzzer's -fork=1
# -ignore_crashes=1), collecting every failing input of a long run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=(datafile gui level txt profile minilevel tables); fi
build=${FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build" -DGAME_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}" >/dev/null

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
extra=()
if [ "${FUZZ_KEEP_GOING:-0}" = 1 ]; then extra=(-fork=1 -ignore_crashes=1); fi
failed=()
for t in "${targets[@]}"; do
  grown="$build/fuzz/corpus-$t"
  crashes="$build/fuzz/crashes-$t"
  mkdir -p "$grown" "$crashes"
  echo "fuzz: $t for ${seconds}s"
  # -close_fd_mask=3 keeps the game's own messages out of the report; the fuzzer's report still shows.
  if ! "$build/fuzz/fuzz_$t" "$grown" "fuzz/corpus/$t" -max_total_time="$seconds" -max_len=8192 \
    -timeout=10 -rss_limit_mb=2048 -close_fd_mask=3 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "${extra[@]}" 2>"$build/fuzz/log-$t.txt"; then
    tail -n 40 "$build/fuzz/log-$t.txt"
  fi
  grep -E "^stat::number_of_executed_units|^stat::new_units_added" "$build/fuzz/log-$t.txt" | sed "s/^/fuzz: $t /" || true
  # A failing input left here, from this run or an earlier one, is a fault still to mend.
  if [ -n "$(ls -A "$crashes")" ]; then failed+=("$t"); fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failures in ${failed[*]}; inputs in $build/fuzz/crashes-<target>/ (see 'Fuzzing the file readers' in README.md)" >&2
  exit 1
fi
echo "fuzz: no failures"
