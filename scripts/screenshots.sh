#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Regenerates docs/run.png and docs/report.png: runs the program under Xvfb, plays a
# run with xdotool and captures the window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh qt tests
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build build > /dev/null

display=:77
Xvfb "$display" -screen 0 1024x768x24 > /dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display
env LC_ALL=de_DE.UTF-8 build/fendrel 2> /dev/null &
program=$!
trap 'kill "$program" "$xvfb" 2>/dev/null' EXIT
for _ in $(seq 50); do
    window=$(xdotool search --name '^Fendrel$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
sleep 0.5

mkdir -p docs
xdotool mousemove --window "$window" 400 300 click 1
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --delay 2 Right Right Right Right Right Down Down Down
sleep 0.3
import -window "$window" docs/run.png
# Twenty shots, each after a few presses towards the centre.
for shot in $(seq 20); do
    xdotool key --delay 2 Left Left Up Return
done
sleep 0.5
import -window "$window" docs/report.png
echo "written: docs/run.png docs/report.png"
