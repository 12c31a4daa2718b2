#!/usr/bin/env bash
# Builds the game and its tests with the address and undefined-behaviour sanitizers and runs every test
# headless under Xvfb. Slower than ./test.sh (about twice the build time and three times the test time),
# so it is a separate command: run it before a release and after changes to file readers or memory use.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >/dev/null
BUILD_DIR=${SANITIZE_BUILD_DIR:-build-sanitize}
FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$FLAGS" -DCMAKE_C_FLAGS="$FLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
# Leaks are not checked: the graphics driver keeps its own allocations to the end of the process.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
export LIBGL_ALWAYS_SOFTWARE=1
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" "$@"
