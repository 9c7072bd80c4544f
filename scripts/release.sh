#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds a release of the commit that is checked out, and
# fills dist/ with what users download: the Debian package, the Windows program for
# 64-bit and for 32-bit Windows, the site, and SHA256SUMS of them. Every file depends
# only on the commit (all its times are the commit's, no build path is kept), so that
# anyone who builds the same commit gets the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh qt windows web dpkg-dev file
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "release.sh: the checkout has changes that are not committed; a release is built from a commit." >&2
    exit 1
fi
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
# The package's folders take their permissions from the umask: those of Debian's own.
umask 022
build=build-release
rm -rf "$build" dist
configure() { cmake -S . -B "$build/$1" -G Ninja -DBUILD_TESTING=OFF "${@:2}" > /dev/null && cmake --build "$build/$1"; }

configure linux -DCMAKE_BUILD_TYPE=Release
(cd "$build/linux" && cpack -G DEB > /dev/null)
for arch in x86_64 i686; do
    configure "windows-$arch" -DCMAKE_TOOLCHAIN_FILE=cmake/windows-$arch.cmake -DCMAKE_BUILD_TYPE=MinSizeRel
done
configure web -DCMAKE_TOOLCHAIN_FILE=cmake/web.cmake -DCMAKE_BUILD_TYPE=MinSizeRel

mkdir dist
cp "$build"/linux/fendrel_*_amd64.deb "$build"/windows-*/fendrel-*-windows-*.zip "$build"/web/fendrel-*-web.zip dist/
(cd dist && LC_ALL=C sha256sum -- * > SHA256SUMS)
ls -l dist
