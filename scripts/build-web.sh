#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing and builds the browser front end with Emscripten into
# build-web/: index.html, fendrel.js, fendrel.wasm, the stylesheet, the web app
# manifest, the icons and the service worker, with the tests that run under node.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh web
cmake -S . -B build-web -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/web.cmake -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DBUILD_TESTING=ON > /dev/null
cmake --build build-web
(cd build-web && ls -l index.html fendrel.js fendrel.wasm fendrel.css manifest.webmanifest sw.js)
