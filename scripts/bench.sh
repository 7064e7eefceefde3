#!/usr/bin/env bash
# Installs what is missing, builds the benchmark in Release and runs it: one
# table on the terminal, the figures in $BUILD_DIR/bench/results.json.
# Missed goals are reported, never a failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DTICKERDECK_BENCH=ON ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target tickerdeck-bench

export QT_QPA_PLATFORM=offscreen
# The memory rows start the web engine: no GPU offscreen, and no sandbox as root.
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --disable-gpu"
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_CHROMIUM_FLAGS="$QTWEBENGINE_CHROMIUM_FLAGS --no-sandbox"
fi
export LC_ALL=C.UTF-8
# The batch rows run a real window; keep its settings out of the user's folder.
export XDG_CONFIG_HOME="$build_dir/bench/config"
mkdir -p "$build_dir/bench"
"$build_dir/bin/tickerdeck-bench" --json "$build_dir/bench/results.json"
echo "results: $build_dir/bench/results.json"
