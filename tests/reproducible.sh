#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The same source gives the same bytes: builds the Windows program (64-bit) and the
# site once more, from a copy of the source at another path and at another time, and
# compares every file with those of the first build.
# Usage: reproducible.sh SOURCE_DIR VERSION WINDOWS_BUILD WEB_BUILD
set -euo pipefail
source=$1 version=$2 windows=$3 web=$4
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
# All of it, its history too, from which both builds take their time, but the builds.
tar -C "$source" --exclude='./build*' --exclude=./dist -cf - . | tar -C "$copy" -xf -
for part in windows:windows-x86_64 web:web; do
    cmake -S "$copy" -B "$copy/build-${part%%:*}" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$copy/cmake/${part#*:}.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF > /dev/null
    cmake --build "$copy/build-${part%%:*}" > /dev/null
done
differ=0
compare() { # the first build's folder, the copy's, and the files to compare in both
    local first=$1 second=$2 name
    shift 2
    for name; do
        cmp "$first/$name" "$second/$name" || differ=1
    done
}
compare "$windows" "$copy/build-windows" fendrel.exe "fendrel-$version-windows-x86_64.zip"
compare "$web" "$copy/build-web" $(cd "$copy/build-web" && ls site/*) "fendrel-$version-web.zip"
[ "$differ" -eq 1 ] || echo "the same bytes: fendrel.exe, its zip, the site and its zip"
exit "$differ"
