#!/usr/bin/env bash
# Makes the Debian package from a built tree into a folder of its own, unpacks
# it and checks it as a desktop would read it: the AppStream metainfo and the
# menu entry it names, the entry's program and icons, the chimes where the
# program looks for them, and the packages it needs. lintian and appstreamcli
# have the last word: any error or warning fails.
#   check_package.sh <cpack> <build folder> <scratch folder>
set -euo pipefail
cpack=$1 build=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch/root"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    exit 1
fi
deb=$(echo "$scratch"/pernam3_*.deb)
root=$scratch/root
dpkg-deb -x "$deb" "$root"

faults=0
fault() {
    echo "fault: $*"
    faults=$((faults + 1))
}

# A software centre finds the menu entry through the metainfo's launchable.
metainfo=$(echo "$root"/usr/share/metainfo/*.metainfo.xml)
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fault "$report"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
entry=$root/usr/share/applications/${launchable:-none}
report=$(desktop-file-validate "$entry" 2>&1) || true
[[ -z $report ]] || fault "$report"
program=$root/usr/bin/$(sed -n 's/^Exec=//p' "$entry")
[[ -f $program && -x $program ]] || fault "Exec= names no program in usr/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")

for size in 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    # The PNG signature, then the IHDR chunk's width and height (big-endian).
    read -r -a bytes <<<"$(od -An -v -tu1 -N24 "$png" 2>/dev/null | tr '\n' ' ')"
    if [[ "${bytes[*]:0:8}" != "137 80 78 71 13 10 26 10" ]]; then
        fault "no PNG icon of $size pixels"
        continue
    fi
    width=$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19]))
    height=$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))
    [[ $width == "$size" && $height == "$size" ]] ||
        fault "the ${size}x$size icon is ${width}x$height"
done

for chime in pinpon endpinpon; do
    wav=$(dirname "$program")/../share/pernam3/$chime.wav
    [[ -f $wav && $(head -c 4 "$wav") == RIFF && $(tail -c +9 "$wav" | head -c 4) == WAVE ]] ||
        fault "no wave file $chime.wav where the program looks"
done

# Names without versions, each alternative group as written: ", a, b | c,".
depends=", $(dpkg-deb -f "$deb" Depends | sed 's/ ([^)]*)//g'),"
xcb=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' | cut -d: -f1)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 "$xcb" \
    fonts-ipafont-gothic "pulseaudio | pipewire-pulse"; do
    [[ $depends == *", $needed,"* ]] || fault "Depends lacks $needed: $depends"
done

if ldd "$program" | grep "not found"; then
    fault "the program needs libraries that are not there"
fi

# The newest entries of the changelog and the metainfo are this version.
version=$(dpkg-deb -f "$deb" Version)
logged=$(zcat "$root/usr/share/doc/pernam3/changelog.gz" | sed -n '1s/^pernam3 (\([^)]*\)).*/\1/p')
[[ $logged == "$version" ]] || fault "the changelog's newest entry is '$logged', the package $version"
released=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)
[[ $released == "$version" ]] || fault "the metainfo's newest release is '$released', the package $version"

if ! lintian --fail-on none "$deb" >"$scratch/lintian.log" 2>&1; then
    cat "$scratch/lintian.log"
    fault "lintian could not check the package"
elif grep -E '^[EW]: ' "$scratch/lintian.log"; then
    fault "lintian found errors or warnings"
fi

((faults == 0)) && echo "$(basename "$deb"): every check passed"
exit $((faults > 0))
