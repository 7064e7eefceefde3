#!/usr/bin/env bash
# Renews docs/screenshot.png: the demo's main window under a virtual display,
# with the sample list filled by a quote check and the first entry's charts.
# Installs ImageMagick and xdotool when missing; the tests need neither.
set -euo pipefail
cd "$(dirname "$0")/.."

out="$PWD/docs/screenshot.png"

if [ "${1:-}" != "--on-display" ]; then
    scripts/deps.sh
    missing=()
    command -v import >/dev/null || missing+=(imagemagick)
    command -v xdotool >/dev/null || missing+=(xdotool)
    if [ ${#missing[@]} -gt 0 ]; then
        if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
        export DEBIAN_FRONTEND=noninteractive
        "${sudo[@]}" apt-get update -qq
        "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
    cmake --build build -j "$(nproc)" --target tickerdeck tickerdeck-demo-server
    mkdir -p docs
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --on-display
fi

# From here on: inside the virtual display.
demo_home="$PWD/build/screenshot-config"
rm -rf "$demo_home"
mkdir -p "$demo_home/brightmoor"
server_log="$PWD/build/screenshot-server.log"
# A fixed seed: the same picture every time, as far as the clock allows.
build/bin/tickerdeck-demo-server --port 0 --seed 7 --list "$PWD/build/bin/tic/default.tic" \
    --demo-settings "$demo_home/brightmoor/brightmoor.ini" >"$server_log" 2>&1 &
server_pid=$!
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    kill "$server_pid" 2>/dev/null
    wait 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq 50); do
    grep -q '^listening on ' "$server_log" && break
    sleep 0.1
done
grep -q '^listening on ' "$server_log" || { cat "$server_log"; exit 1; }

export XDG_CONFIG_HOME="$demo_home"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --disable-gpu"
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_CHROMIUM_FLAGS="$QTWEBENGINE_CHROMIUM_FLAGS --no-sandbox"
build/bin/tickerdeck >"$PWD/build/screenshot-program.log" 2>&1 &
program_pid=$!

window=
for _ in $(seq 60); do
    window=$(xdotool search --onlyvisible --name '^TdCk by brightmoor' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || { echo "the main window did not show" >&2; exit 1; }

# The quote check of the loaded list runs at once; a local server answers fast.
sleep 12
# A click on the first entry shows its charts, signal and history.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" 60 "${SCREENSHOT_ROW_Y:-96}" click 1
sleep 8
# The pointer would hide part of the list.
xdotool mousemove 1270 1010

# 256 colours keep the picture small; the charts have few anyway.
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -colors 256 "PNG8:$out"
echo "wrote $out ($(stat -c %s "$out") bytes, ${WIDTH}x${HEIGHT})"
