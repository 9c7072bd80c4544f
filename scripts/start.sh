#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh qt
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build
exec build/fendrel
