#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, where missing.
set -euo pipefail
# librsvg2-bin renders the icon at build time; desktop-file-utils, appstream,
# libxml2-utils, shared-mime-info and libglib2.0-bin (gio) check the installed
# desktop files; dpkg-dev (dpkg-shlibdeps) and file let cpack make the package.
packages=(g++ cmake make pkg-config libwxgtk3.2-dev libgtk-3-dev libexpat1-dev libcairo2-dev
          libgtest-dev libbenchmark-dev xvfb xauth fonts-dejavu-core locales
          librsvg2-bin desktop-file-utils appstream libxml2-utils shared-mime-info
          libglib2.0-bin dpkg-dev file gzip clang libclang-rt-14-dev ccache
          dbus at-spi2-core python3-gi gir1.2-atspi-2.0 xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
