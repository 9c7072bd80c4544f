#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, with apt-get, whatever the named parts of the work need and is missing.
# Usage: scripts/install-deps.sh PART... [extra-package ...]
#   qt       build and run the Qt front end
#   windows  cross-build the Win32 front end
#   wine     run Windows programs and their tests (the 32-bit half where it can be had)
#   web      build the browser front end and run its tests under node
#   tests    the tools the tests drive and read the programs with
# A package list that cannot be fetched is only a warning, and so is Wine's 32-bit half
# missing: the tests then check the 32-bit exe without running it. Only a needed package
# that cannot be installed stops the script, which then names it.
set -euo pipefail

declare -A purpose
need() {
    local why=$1 package
    shift
    for package; do purpose[$package]=${purpose[$package]:-$why}; done
}
wine32=false
for part in "$@"; do
    case $part in
    qt) need "to build the Qt front end" g++ qt6-base-dev qt6-svg-dev qt6-wayland fonts-dejavu-core ;;
    windows) need "to cross-build the Windows program" g++-mingw-w64-x86-64 g++-mingw-w64-i686 librsvg2-bin imagemagick ;;
    wine) need "to run the Windows program's tests" wine wine64 locales; wine32=true ;;
    web) need "to build the browser front end" emscripten nodejs librsvg2-bin python3 ;;
    tests) need "to drive and read the programs in the tests" desktop-file-utils appstream dpkg-dev file xvfb xauth \
               xdotool imagemagick x11-utils openbox wmctrl qt6ct sway wayvnc grim chromium firefox-esr webkit2gtk-driver \
               python3 locales lintian man-db qt6-base-private-dev qt6-websockets-dev ;;
    *) need "as asked" "$part" ;;
    esac
done
need "to build" cmake ninja-build git

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt=($sudo env DEBIAN_FRONTEND=noninteractive apt-get -o Acquire::Retries=2 -y -qq)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for package in "${!purpose[@]}"; do installed "$package" || missing+=("$package"); done
wants_wine32=false
$wine32 && ! installed wine32:i386 && wants_wine32=true
if $wants_wine32 && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
((${#missing[@]})) || $wants_wine32 || exit 0

"${apt[@]}" update || echo "install-deps.sh: some package lists could not be fetched; going on with those at hand." >&2

if ((${#missing[@]})) && ! "${apt[@]}" install --no-install-recommends "${missing[@]}"; then
    # Find out which of them cannot be had, and say what each was for.
    failed=0
    for package in "${missing[@]}"; do
        if ! "${apt[@]}" install --no-install-recommends "$package" > /dev/null 2>&1; then
            echo "install-deps.sh: cannot install $package, needed ${purpose[$package]}." >&2
            failed=1
        fi
    done
    ((failed == 0)) || exit 1
fi

if $wants_wine32 && ! "${apt[@]}" install --no-install-recommends wine32:i386; then
    echo "install-deps.sh: Wine's 32-bit half (wine32:i386) cannot be installed; the 32-bit exe will be checked without running it." >&2
fi
exit 0
