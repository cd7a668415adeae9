#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh" --target pernam3 chimes
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi
cd "$root/build/app"
exec ./pernam3
