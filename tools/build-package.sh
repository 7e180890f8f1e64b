#!/usr/bin/env bash
# Builds the Debian package in a Release build without tests (BUILD_DIR, default build-package),
# checks it with lintian (any error fails) and prints the path of the .deb on the last line.
# ./package runs it after installing what it needs; ./test runs it when lintian is present.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMK21_TESTS=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/mk21cps_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/mk21cps_*.deb)
# Tags of severity "error" fail the check; warnings are shown. (Root builds are fine here: the
# package's files are owned by root whoever packs them.)
as_root=()
[ "$(id -u)" -eq 0 ] && as_root=(--allow-root)
lintian "${as_root[@]}" --fail-on error "$deb"
echo "$(pwd)/$deb"
