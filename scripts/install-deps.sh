#!/usr/bin/env bash
# Installs every Debian 12 package Peglore needs to build, run and test.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # Qt 6 Widgets and Qt Test, with the xcb and offscreen platform plugins
  qt6-base-dev qt6-base-dev-tools libqt6test6 qt6-qpa-plugins libgl-dev
  # the records file: Qt SQL's SQLite driver, and the sqlite3 tool to read it
  libqt6sql6-sqlite sqlite3
  # background music
  libfluidsynth-dev timgm6mb-soundfont libasound2-dev
  # fonts metric-compatible with the designed ones
  fonts-liberation fonts-dejavu-core
  # fuzz targets (libFuzzer) and sanitizer runtimes
  clang libclang-rt-14-dev
  # end-to-end tests: a virtual X server and a way to drive it
  xvfb xdotool x11-utils xauth openbox
  # the end-to-end test on Wayland: Qt's Wayland platform plugin, a headless
  # compositor (sway), a virtual keyboard typing through it (wtype) and its
  # screenshots (grim)
  qt6-wayland sway wtype grim
  # the screen-reader test: a private session bus, the accessibility bus
  # and the AT-SPI client library that screen readers use
  dbus-daemon at-spi2-core python3-pyatspi
  # the Debian package and the checks of it (lintian) and of its desktop
  # entry, metainfo and icons
  dpkg-dev file desktop-file-utils appstream python3 lintian
  # the store page's screenshots (packaging/screenshots/make_screenshots.sh):
  # the screen read (x11-apps' xwd), cut (ImageMagick) and packed (optipng)
  x11-apps imagemagick optipng
  # the window frames the window manager states (and the start-up benchmark,
  # which watches the X server for its windows)
  libxcb1-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
fi
echo "Installing: ${missing[*]}"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
