#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program against the offline
# demo quote server, with demo settings of its own (your real settings are
# never touched). To use the live sites, start build/bin/tickerdeck directly.
# Arguments go to the demo server, e.g. --version-text 9.9.9 for an update offer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target tickerdeck tickerdeck-demo-server

demo_home="$PWD/build/demo-config"
mkdir -p "$demo_home/brightmoor"
server_log="$PWD/build/demo-server.log"

# The demo settings: brightmoor.ini pointing every site at the server, and
# beside it a quotesources.ini with the server's two other quote sources.
build/bin/tickerdeck-demo-server --port 0 --list "$PWD/build/bin/tic/default.tic" \
    --demo-settings "$demo_home/brightmoor/brightmoor.ini" "$@" >"$server_log" 2>&1 &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null || true' EXIT

for _ in $(seq 50); do
    grep -q '^listening on ' "$server_log" && break
    kill -0 "$server_pid" 2>/dev/null || { cat "$server_log"; exit 1; }
    sleep 0.1
done
grep '^listening on ' "$server_log"

export XDG_CONFIG_HOME="$demo_home"
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --no-sandbox"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    # A virtual display has no GPU to offer the web engine.
    export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --disable-gpu"
    xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/tickerdeck
else
    build/bin/tickerdeck
fi
