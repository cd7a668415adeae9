#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything the project
# checks into build/ (the "dev" preset: tests, fuzzing, clang-tidy, benchmarks,
# warnings as errors).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
cd "$root"
cmake --preset dev
cmake --build --preset dev -j "$(nproc)" "$@"
