#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds in Release and runs both benchmarks: key press to painted frame in-process
# (offscreen), and the whole-process figures under Xvfb, each against the floor.
# Usage: bench/run.sh [runs, default 7]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}

scripts/install-deps.sh qt tests libx11-dev libxtst-dev
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DFENDREL_BENCH=ON > /dev/null
cmake --build build-bench
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

echo "== key press to painted frame, in-process, offscreen"
QT_QPA_PLATFORM=offscreen build-bench/bench/keypress_bench

echo
echo "== whole process under Xvfb ($runs runs each, alternating)"
display=:78
Xvfb "$display" -screen 0 1024x768x24 -br -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb build-bench/bench/process_bench "$runs" build-bench/fendrel build-bench/bench/floor
