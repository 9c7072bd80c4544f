#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing and builds the browser front end with Emscripten:
# build-web/site/ holds the site (index.html, fendrel.js, fendrel.wasm, the stylesheet,
# the web app manifest, the icons and the service worker), build-web/fendrel-*-web.zip
# the same files, and build-web/tests/ the tests that run under node.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh web
cmake -S . -B build-web -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/web.cmake -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DBUILD_TESTING=ON > /dev/null
cmake --build build-web
ls -l build-web/site build-web/fendrel-*-web.zip
