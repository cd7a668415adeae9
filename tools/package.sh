#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package in build/;
# prints the package's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh"
cd "$root/build"
# An older version's package would leave two for `apt install ./build/pernam3_*.deb`.
rm -f pernam3_*.deb
cpack -G DEB
echo "$root"/build/pernam3_*.deb
