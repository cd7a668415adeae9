#!/usr/bin/env bash
# Builds the browser edition: one self-contained page, build/web/pernam3.html,
# that holds the program as WebAssembly and as JavaScript, the chimes, the icon
# and the windows' tables, and the folder for a web server, build/web/site,
# with the same page as its index.html, a web app manifest and a service
# worker that keeps it for use with no network. Installs what is missing first
# (web/tools/setup.sh). The module and the native tools come from the
# project's CMake build.
set -euo pipefail
web=$(cd "$(dirname "$0")/.." && pwd)
root=$(cd "$web/.." && pwd)
out="$root/build/web"
"$web/tools/setup.sh"

# The chimes, the icon and the tables from the desktop's own build: the same
# generator of chimes, the same drawing of the coin, the same C++ tables. The
# dev preset's build, or one configured already and named by
# PERNAM_NATIVE_BUILD (the planted faults' scratch builds).
native=${PERNAM_NATIVE_BUILD:-}
if [[ -z $native ]]; then
    "$root/tools/build.sh" --target make_chimes make_icons page_data
    native="$root/build"
else
    cmake --build "$native" --target make_chimes make_icons page_data -j "$(nproc)"
fi
# The module: the program's plain C++, by the WebAssembly preset.
(cd "$root" && cmake --preset web-module >/dev/null && cmake --build --preset web-module -j "$(nproc)")

mkdir -p "$out/chimes" "$out/icons" "$out/generated"
# At a rate that keeps the page small and still holds every partial of the
# bells (the highest near 5.5 kHz).
"$native/tools/make_chimes" "$out/chimes" 16000
"$native/tools/make_icons" "$out/icons" 32 64 192 512
"$native/web/tools/page_data" "$out/form.json" "$out/generated/boundary.d.ts"
cp "$out/module/web/module/pernam3.wasm" "$out/pernam3.wasm"
node "$web/tools/check_exports.mjs" "$out/pernam3.wasm" "$web/page/module.ts"
# The same module in JavaScript, made from it by binaryen's wasm2js, for a
# browser without WebAssembly; the features clang 22 uses by default.
wasm2js "$out/pernam3.wasm" --enable-bulk-memory --enable-sign-ext --enable-mutable-globals \
    --enable-nontrapping-float-to-int -O2 -o "$out/pernam3.wasm.mjs"
node "$web/tools/translate.mjs" "$out/pernam3.wasm.mjs" "$out/translation.js"

# The page's own code, type-checked and joined into one classic script, and
# the service worker of the folder for a web server.
"$web/node_modules/.bin/tsc" -p "$web/tsconfig.json" --outFile "$out/page.js"
"$web/node_modules/.bin/tsc" -p "$web/tsconfig.worker.json" --outFile "$out/service-worker.js"
node "$web/tools/assemble.mjs" "$web/page/pernam3.html" "$out"
ls -l "$out/pernam3.html" "$out/site"
