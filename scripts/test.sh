#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as built, once more
# under AddressSanitizer and UndefinedBehaviorSanitizer. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh desktop-file-utils appstream dpkg-dev file
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -G Ninja -DBUILD_TESTING=ON
cmake --build build-test
ctest --test-dir build-test --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DBUILD_TESTING=ON -DFENDREL_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure
