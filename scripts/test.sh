#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release ${CMAKE_EXTRA_ARGS:-}
cmake --build "$build_dir" -j "$(nproc)"

export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" ${CTEST_EXTRA_ARGS:-}
