#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds in Release and runs the benchmarks, each front end against the floor of its
# own toolkit: key press to painted frame in-process (Qt, offscreen); the whole-process
# figures of the Qt program under Xvfb; those of fendrel.exe under Wine on Xvfb; and
# the page against a plain JavaScript floor in headless Chromium, three times as many
# runs, since a first frame waits for the next of the browser's frames.
# Usage: bench/run.sh [runs, default 7]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}

scripts/install-deps.sh qt windows wine web tests libx11-dev libxtst-dev
scripts/build-web.sh > /dev/null
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DFENDREL_BENCH=ON > /dev/null
cmake --build build-bench
cmake -S . -B build-windows-bench -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/windows-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF -DFENDREL_BENCH=ON > /dev/null
cmake --build build-windows-bench
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

echo "== key press to painted frame, in-process, offscreen"
QT_QPA_PLATFORM=offscreen build-bench/bench/keypress_bench

display=:78
Xvfb "$display" -screen 0 1024x768x24 -br -nolisten tcp -noreset > /dev/null 2>&1 &
wine_home=$(mktemp -d)
export WINEPREFIX=$wine_home/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'kill $(jobs -p) 2>/dev/null; /usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$wine_home"' EXIT
export DISPLAY=$display
until xdotool getdisplaygeometry > /dev/null 2>&1; do sleep 0.1; done

echo
echo "== Qt program, whole process under Xvfb ($runs runs each, alternating)"
QT_QPA_PLATFORM=xcb build-bench/bench/process_bench "$runs" build-bench/fendrel build-bench/bench/floor

echo
echo "== Win32 program, whole process under Wine on Xvfb ($runs runs each, alternating)"
/usr/lib/wine/wine64 wineboot -i > /dev/null 2>&1
/usr/lib/wine/wineserver -p60 2> /dev/null || true # one server for all runs, as on Windows
build-bench/bench/process_bench "$runs" "/usr/lib/wine/wine64 build-windows-bench/fendrel.exe" \
    "/usr/lib/wine/wine64 build-windows-bench/bench/floor.exe"
ls -l build-windows-bench/fendrel.exe build-windows-bench/bench/floor.exe

echo
echo "== the page in headless Chromium against a plain JavaScript floor ($((3 * runs)) runs each, alternating)"
mkdir -p build-bench/site
ln -sfn "$PWD/build-web/site" build-bench/site/program
ln -sfn "$PWD/bench/webfloor" build-bench/site/floor
python3 -m http.server 8719 --bind 127.0.0.1 --directory build-bench/site > /dev/null 2>&1 &
until (exec 3<> /dev/tcp/127.0.0.1/8719) 2> /dev/null; do sleep 0.1; done
build-bench/bench/web_bench $((3 * runs)) http://127.0.0.1:8719/program/ http://127.0.0.1:8719/floor/ 2> /dev/null
(cd build-web/site && for file in *; do
    echo "$file $(stat -c %s "$file") bytes, $(gzip -9c "$file" | wc -c) gzipped"
done)
