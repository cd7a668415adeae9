#!/usr/bin/env bash
# Times the program from launch to its first input box against a bare Qt
# program that shows only that box, under a private X server with no window
# manager. Build first (tools/build.sh); pass the number of launches of each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-21}
command -v Xvfb >/dev/null || { echo "Xvfb is missing: apt-get install xvfb" >&2; exit 1; }
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
server=$!
trap 'kill $server 2>/dev/null' EXIT
for _ in $(seq 50); do
    DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
cd "$root/build/app"  # where the program finds its chimes
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
DISPLAY=$display QT_QPA_PLATFORM=xcb "$root/build/bench/startup_bench" "$runs" \
    "$root/build/app/pernam3" "$root/build/bench/bare_input_box"
