#!/bin/sh
# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages needed to build, run and test orb-ktl.
# Idempotent: packages already present are not fetched again.
# --fuzz: also the compiler of the fuzz targets (make fuzz only).
set -eu
# One package a line, each with what it is for.
PKGS="
cmake make g++ pkg-config
qt6-base-dev qt6-base-dev-tools
qt6-webengine-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev
qt6-charts-dev
qt6-translations-l10n
adwaita-qt6 qt6ct
qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
fonts-dejavu-core fonts-liberation2
poppler-utils
libhamlib-utils
xvfb xauth
openbox at-spi2-core python3-pyatspi dbus
librsvg2-bin
libqt6sql6-sqlite
dpkg-dev file fakeroot desktop-file-utils appstream
lintian python3-debian binutils
"
# clang with its libFuzzer and sanitizer runtimes.
FUZZ_PKGS="clang libclang-rt-14-dev"
[ "${1:-}" = "--fuzz" ] && PKGS="$PKGS $FUZZ_PKGS"
missing=""
for p in $PKGS; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
