#!/usr/bin/env bash
# Times the browser edition against the desktop in one run of this script: the
# desktop's click at 1000 x 1000 (Google Benchmark, in build/desktop-bench),
# then the page in headless Chromium from file:// (web/bench/page_click.ts):
# as it is, with the CPU four and six times slower, and without WebAssembly.
set -euo pipefail
web=$(cd "$(dirname "$0")/.." && pwd)
root=$(cd "$web/.." && pwd)
out="$root/build/web"
"$web/tools/build.sh" >/dev/null
"$web/node_modules/.bin/tsc" -p "$web/tsconfig.tests.json"
cmake -S "$root" -B "$root/build/desktop-bench" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPERNAM_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$root/build/desktop-bench" --target pernam_bench -j "$(nproc)" >/dev/null
"$root/build/desktop-bench/bench/pernam_bench" --benchmark_filter='^click' \
    --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
node "$out/node/bench/page_click.js" "$out" "${1:-9}"
# A low-end school Chromebook, and a browser without WebAssembly.
for slower in 4 6; do
    node "$out/node/bench/page_click.js" "$out" 5 --throttle="$slower"
done
node "$out/node/bench/page_click.js" "$out" 3 --no-wasm
