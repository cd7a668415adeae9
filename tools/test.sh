#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, the browser edition's
# too; non-zero on any failure.
# The plain C++ tests run a second time under AddressSanitizer and
# UndefinedBehaviorSanitizer, from build-sanitize/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh"
cd "$root"
ctest --preset dev -j "$(nproc)"
cmake --preset sanitize
cmake --build --preset sanitize -j "$(nproc)"
ctest --preset sanitize -j "$(nproc)"
# The browser edition: its page built and its scenarios run in Chromium and WebKit.
"$root/web/tools/test.sh"
