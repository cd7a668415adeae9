#!/usr/bin/env bash
# Installs what building and testing the browser edition needs, when any of it
# is missing: Debian packages by name (sudo when not root), then the npm
# packages pinned in web/package-lock.json.
set -euo pipefail
web=$(cd "$(dirname "$0")/.." && pwd)

packages=(
    # The program as WebAssembly: Debian's emscripten is too old for its
    # C++20 (std::bit_cast, std::to_chars of float, std::from_chars of
    # double); clang 22 with the WASI libraries compiles it unchanged.
    clang-22 lld-22 libc++-22-dev-wasm32 libc++abi-22-dev-wasm32 libclang-rt-22-dev-wasm32
    wasi-libc
    # The module in JavaScript for a browser without WebAssembly.
    binaryen
    # The end-to-end tests: Chromium headless and WebKit, each through its
    # WebDriver, WebKit under a virtual display, and a Japanese face, without
    # which Chromium draws no text at all.
    chromium chromium-driver webkit2gtk-driver xvfb xauth fonts-ipafont-gothic fontconfig
    # The W3C Nu HTML checker, from npm, runs on Java.
    default-jre-headless
)
# A machine with its own Node.js keeps it; Debian's is new enough otherwise.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    packages+=(nodejs npm)
fi

"$web/../tools/install_missing.sh" "${packages[@]}"

# npm ci again only when the lock file has changed since the last install.
stamp="$web/node_modules/.package-lock.json"
if [[ ! -f $stamp || "$web/package-lock.json" -nt $stamp ]]; then
    (cd "$web" && npm ci --ignore-scripts --no-audit --no-fund)
fi

# The tests and the benchmark are compiled into build/web/node, outside this
# folder: a link there lets them load their npm packages from here, and a
# package file says they are ES modules (Node 18, Debian's, does not guess).
mkdir -p "$web/../build/web/node"
ln -sfn ../../../web/node_modules "$web/../build/web/node/node_modules"
echo '{"type": "module"}' >"$web/../build/web/node/package.json"
