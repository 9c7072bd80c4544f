#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer target with clang, AddressSanitizer and UBSan, and runs it.
# Usage: fuzz/run.sh [seconds, default 600]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

scripts/install-deps.sh qt clang libclang-rt-dev
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DFENDREL_SANITIZE=ON -DFENDREL_FUZZ=ON
cmake --build build-fuzz --target fuzz_fendrel
mkdir -p build-fuzz/corpus
build-fuzz/fuzz/fuzz_fendrel -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 build-fuzz/corpus
