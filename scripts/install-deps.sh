#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and benchmark Orbeline
# (clang and its runtimes for the sanitizer and fuzz presets, llvm for
# readable sanitizer reports, emscripten for the web page, and the three
# browser engines its tests run in: chromium, firefox-esr and WebKitGTK's
# driver with its MiniBrowser; poppler's tools for the printout's tests,
# dbus-daemon for the tests' private session buses, python3 with polib and
# markdown for the text catalogues, terser for the page's small script
# (web/assemble.py), the LZMA SDK's decoder for the page's program and zopfli
# to deflate that decoder; the node packages of those tests come from `npm ci`,
# see the Makefile).
# Idempotent and quiet when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev llvm
  xvfb xauth x11-utils xdotool imagemagick time dbus-daemon
  fonts-liberation fonts-dejavu-core
  desktop-file-utils
  dpkg-dev file lintian appstream man-db
  poppler-utils
  emscripten chromium firefox-esr webkit2gtk-driver
  python3 python3-polib python3-markdown gettext node-terser lzma-dev zopfli
)
# npm: Debian's package, unless the machine's node (another build of it)
# brings its own, which Debian's npm would conflict with.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installation des paquets manquants : ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
