#!/usr/bin/env bash
# Installs what is missing, builds the page and runs its scenarios from file://
# in headless Chromium and in WebKit under a private virtual display; non-zero
# on any failure. Screenshots land in build/web/screens.
set -euo pipefail
web=$(cd "$(dirname "$0")/.." && pwd)
root=$(cd "$web/.." && pwd)
out="$root/build/web"
"$web/tools/build.sh"

# What the page must show, worked out by the shared C++ in the project's own
# build, with what that needs installed.
"$root/tools/build.sh" --target page_reference
mkdir -p "$out/tools"
cp "$root/build/tests/page_reference" "$out/tools/page_reference"

"$web/node_modules/.bin/tsc" -p "$web/tsconfig.tests.json"
node "$out/node/tests/run.js" "$out" chromium

# WebKit's driver opens its browser on an X display of its own.
display=""
for number in $(seq 90 120); do
    if [[ ! -e /tmp/.X11-unix/X$number && ! -e /tmp/.X$number-lock ]]; then
        display=":$number"
        break
    fi
done
[[ -n $display ]] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [[ -e /tmp/.X11-unix/X${display#:} ]] && break
    sleep 0.1
done
DISPLAY=$display node "$out/node/tests/run.js" "$out" webkit
