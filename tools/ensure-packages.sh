#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when all are present.
set -euo pipefail
packages=(cmake ninja-build g++ clang clang-format-14 libclang-rt-14-dev pkg-config qt6-base-dev qt6-serialport-dev
          libgtest-dev libgmock-dev
          qt6-translations-l10n                                   # Qt's own texts in Chinese
          desktop-file-utils appstream shared-mime-info groff-base) # checks of the desktop files and manual pages
# --gui: a virtual display and Chinese glyphs for ./run; --package: building and checking the .deb.
[ "${1:-}" = "--gui" ] && packages+=(xvfb fonts-wqy-microhei)
[ "${1:-}" = "--package" ] && packages+=(dpkg-dev fakeroot file lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
