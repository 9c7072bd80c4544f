#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs every test, headless: the Windows build's
# tests under Wine; the browser build's under node; the Linux build's, the black-box
# tests of all three programs among them; and the Linux build's once more under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh qt windows wine web tests
scripts/build-windows.sh
scripts/build-web.sh
ctest --test-dir build-web --output-on-failure

# One Wine prefix for the Windows tests, made once (it takes some 20 s), with a
# server that stays up between the tests.
wine_home=$(mktemp -d)
trap 'WINEPREFIX=$wine_home/prefix /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$wine_home"' EXIT
export WINEPREFIX=$wine_home/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -p60
/usr/lib/wine/wine64 wineboot -i > /dev/null 2>&1
ctest --test-dir build-windows --output-on-failure
# Some kernels cannot run 32-bit code; there the 32-bit exe is only looked at.
i686_build=""
if /usr/lib/wine/wine --version > /dev/null 2>&1; then
    ctest --test-dir build-windows-i686 --output-on-failure
    i686_build=$PWD/build-windows-i686
else
    echo "32-bit Wine cannot run here; the 32-bit exe is checked without running it."
    i686-w64-mingw32-objdump -f build-windows-i686/fendrel.exe | grep -q 'file format pei-i386'
fi

export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-test -G Ninja -DBUILD_TESTING=ON -DFENDREL_WINDOWS_BUILD="$PWD/build-windows" \
    -DFENDREL_WINDOWS_I686_BUILD="$i686_build" -DFENDREL_WEB_BUILD="$PWD/build-web"
cmake --build build-test
ctest --test-dir build-test --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DBUILD_TESTING=ON -DFENDREL_SANITIZE=ON
cmake --build build-sanitize
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp ctest --test-dir build-sanitize --output-on-failure
