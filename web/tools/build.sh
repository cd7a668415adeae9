#!/usr/bin/env bash
# Builds the browser edition: one self-contained page, build/web/pernam3.html,
# that holds the engine as WebAssembly, the chimes, the icon and the windows'
# tables. Installs what is missing first (web/tools/setup.sh).
set -euo pipefail
web=$(cd "$(dirname "$0")/.." && pwd)
root=$(cd "$web/.." && pwd)
out="$root/build/web"
"$web/tools/setup.sh"
rm -rf "$out/obj"
mkdir -p "$out/obj/engine" "$out/obj/entry" "$out/obj/form" "$out/obj/web" \
    "$out/tools" "$out/chimes" "$out/icons"

# The engine, parameter entry, the windows' tables and the pixel rule as they
# are for the desktop, with the export layer. No SIMD: a browser whose
# JavaScript engine runs without its JIT (an iPad in its locked-down mode)
# cannot compile it.
sources=(
    engine/experiment.cpp engine/fault.cpp engine/frequency_graph.cpp engine/help_page.cpp
    engine/lowest_balance.cpp
    engine/mean_format.cpp engine/uniform_generator.cpp
    entry/answer_reader.cpp entry/parameter_entry.cpp
    form/letter_spacing.cpp form/raster.cpp
    web/canvas_surface.cpp web/exports.cpp web/no_unwinding.cpp
)
warnings=(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor -Wold-style-cast
    -Woverloaded-virtual -Werror)
# clang 22 calls the target wasm32-wasip1 but Debian's WASI libraries sit under
# the old name; -Wno-deprecated keeps the driver's note about it quiet.
wasm_flags=(--target=wasm32-wasi -Wno-deprecated -std=c++20 -O2 -fno-rtti)
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} sh -c \
    'source=$1 object=$2; shift 2; exec clang++-22 "$@" -c "$source" -o "$object"' \
    sh "$root/{}" "$out/obj/{}.o" "${wasm_flags[@]}" -I"$root" "${warnings[@]}"
objects=()
for source in "${sources[@]}"; do
    objects+=("$out/obj/$source.o")
done
# A reactor: no main; the page calls _initialize once, then the exports.
clang++-22 "${wasm_flags[@]}" -mexec-model=reactor "${objects[@]}" -o "$out/pernam3.wasm" \
    -Wl,--strip-all

# The chimes from the desktop's own generator, at a rate that keeps the page
# small and still holds every partial of the bells (the highest near 5.5 kHz).
g++ -std=c++20 -O2 "${warnings[@]}" "$root/tools/make_chimes.cpp" -o "$out/tools/make_chimes"
"$out/tools/make_chimes" "$out/chimes" 16000

# The window's coin, from the drawing the desktop uses.
# shellcheck disable=SC2046
g++ -std=c++20 -O2 -fPIC -I"$root" "$root/tools/make_icons.cpp" "$root/app/coin_icon.cpp" \
    $(pkg-config --cflags --libs Qt6Gui) -o "$out/tools/make_icons"
"$out/tools/make_icons" "$out/icons" 32 64
# The windows' tables and texts for the page, from the headers the desktop reads.
# shellcheck disable=SC2046
g++ -std=c++20 -O1 "${warnings[@]}" -I"$root" "$web/tools/form_data.cpp" \
    "$root/entry/parameter_entry.cpp" "$root/entry/answer_reader.cpp" "$root/form/raster.cpp" \
    $(pkg-config --cflags Qt6Multimedia | sed 's/-I/-isystem /g') -fPIC \
    $(pkg-config --libs Qt6Core) -o "$out/tools/form_data"
"$out/tools/form_data" >"$out/form.json"

# The page's own code, type-checked and joined into one classic script.
"$web/node_modules/.bin/tsc" -p "$web/tsconfig.json" --outFile "$out/page.js"
node "$web/tools/assemble.mjs" "$web/page/pernam3.html" "$out"
ls -l "$out/pernam3.html"
