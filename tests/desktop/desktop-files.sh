#!/usr/bin/env bash
# The desktop files as installed (component "desktop" into a temporary prefix): every file where
# the desktop looks for it, the desktop entry, MIME package, AppStream file and icon agreeing with
# each other, and desktop-file-validate and appstreamcli finding nothing to say.
# Arguments: the build folder and the desktop id.
set -u
build=$1 id=$2
prefix=$(mktemp -d) && trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" --component desktop >/dev/null || exit 1
share=$prefix/share
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for file in applications/$id.desktop mime/packages/$id.xml metainfo/$id.metainfo.xml \
    bash-completion/completions/mk21ctl man/man1/mk21cps.1.gz man/man1/mk21ctl.1.gz man/man1/mk21sim.1.gz \
    icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/mk21cps.png; do
    [[ -f $share/$file ]] || fail "not installed: share/$file"
done
for size in 16 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/mk21cps.png
    # A PNG's width and height are the big-endian words at byte 16.
    dimensions=$(od -An -tx1 -j16 -N8 "$icon" 2>/dev/null | tr -d ' \n')
    [[ $dimensions == $(printf '%08x%08x' "$size" "$size") ]] || fail "share/${icon#"$share"/} is not $size x $size"
done

desktop=$share/applications/$id.desktop
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$share/mime/packages/$id.xml")
grep -qx "MimeType=$type;" "$desktop" || fail "the desktop entry does not name $type"
grep -qx "Icon=mk21cps" "$desktop" || fail "the desktop entry does not name the icon mk21cps"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" ||
    fail "the AppStream file does not launch $id.desktop"
grep -q "<mediatype>$type</mediatype>" "$share/metainfo/$id.metainfo.xml" ||
    fail "the AppStream file does not provide $type"

skipped=()
if command -v desktop-file-validate >/dev/null; then
    said=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $said ]] || fail "desktop-file-validate: $said"
else
    skipped+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
    # Not --pedantic: its one hint asks for a release history, which needs release dates.
    said=$(appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" 2>&1)
    status=$?
    [[ $status -eq 0 ]] && ! grep -qE '^[EWI]: ' <<<"$said" || fail "appstreamcli validate: $said"
    # The installed tree as a whole: the desktop entry and icons the AppStream file points to.
    said=$(appstreamcli validate-tree --no-net "$prefix" 2>&1)
    status=$?
    [[ $status -eq 0 ]] && ! grep -qE '^[EWI]: ' <<<"$said" || fail "appstreamcli validate-tree: $said"
else
    skipped+=(appstreamcli)
fi
[[ $failures -eq 0 ]] || exit 1
if [[ ${#skipped[@]} -gt 0 ]]; then
    echo "SKIP: not installed: ${skipped[*]} (tools/ensure-packages.sh installs them)"
    exit 77
fi
