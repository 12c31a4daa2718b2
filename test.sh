#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test headless under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
export LIBGL_ALWAYS_SOFTWARE=1
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2
# A short run of every fuzz target (scripts/fuzz.sh SECONDS runs them longer).
./scripts/fuzz.sh
