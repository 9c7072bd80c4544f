#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing and cross-builds the Win32 front end with MinGW-w64:
# build-windows/fendrel.exe (64-bit) and build-windows-i686/fendrel.exe (32-bit), each
# with its tests and a zip beside it (fendrel-*-windows-x86_64.zip, ...-i686.zip) with
# the exe, the README and the licence.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows wine
for arch in x86_64 i686; do
    build=build-windows
    [ "$arch" = x86_64 ] || build=build-windows-$arch
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/windows-$arch.cmake \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=ON > /dev/null
    cmake --build "$build"
done
ls -l build-windows/fendrel.exe build-windows-i686/fendrel.exe build-windows*/fendrel-*.zip
