#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, with apt-get, whatever the named parts of the work need and is missing.
# Usage: scripts/install-deps.sh PART... [extra-package ...]
#   qt       build and run the Qt front end
#   windows  cross-build the Win32 front end
#   wine     run Windows programs and their tests (the 32-bit half where it can run)
#   tests    the tools the tests drive and read the programs with
set -euo pipefail

packages=(cmake ninja-build)
wine32=false
for part in "$@"; do
    case $part in
    qt) packages+=(g++ qt6-base-dev qt6-svg-dev qt6-wayland fonts-dejavu-core) ;;
    windows) packages+=(g++-mingw-w64-x86-64 g++-mingw-w64-i686 librsvg2-bin imagemagick) ;;
    wine) packages+=(wine wine64 locales) wine32=true ;;
    tests) packages+=(desktop-file-utils appstream dpkg-dev file xvfb xauth xdotool imagemagick x11-utils openbox wmctrl
                      sway wayvnc grim lintian man-db qt6-base-private-dev) ;;
    *) packages+=("$part") ;;
    esac
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if $wine32 && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$wine32 && packages+=(wine32:i386)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
