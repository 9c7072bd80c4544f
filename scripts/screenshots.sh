#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the pictures in docs/ anew: a run and a report of the Linux program under
# Xvfb, the same at Qt's scale factor 1.5 (drawn at 2), and a run and a report of
# fendrel.exe under Wine, each played with xdotool and captured from the X server;
# and a run and a report of the page in Chromium, Firefox and WebKit at a device
# pixel ratio of 2, and a run on a phone held across and upright, taken by the
# black-box tests and shown at their size in CSS pixels.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh qt windows wine tests
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build build > /dev/null
scripts/build-windows.sh > /dev/null
scripts/build-web.sh > /dev/null
cmake -S . -B build-test -G Ninja -DBUILD_TESTING=ON -DFENDREL_WEB_BUILD="$PWD/build-web" > /dev/null
cmake --build build-test --target test_desktops > /dev/null

display=:77
Xvfb "$display" -screen 0 1800x1300x24 -nolisten tcp -noreset > /dev/null 2>&1 &
xvfb=$!
wine_home=$(mktemp -d)
export WINEPREFIX=$wine_home/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'kill $(jobs -p) 2>/dev/null; /usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$wine_home"' EXIT
export DISPLAY=$display
until xdotool getdisplaygeometry > /dev/null 2>&1; do sleep 0.1; done
mkdir -p docs

# Plays one run of the window called Fendrel and captures it during the run and after
# the report. Usage: play PROGRAM... ; the pictures go to $run and $report.
play() {
    "$@" 2> /dev/null &
    local program=$! window
    until window=$(xdotool search --onlyvisible --name '^Fendrel$' 2> /dev/null | head -1) && [ -n "$window" ]; do
        sleep 0.1
    done
    sleep 1
    xdotool mousemove --window "$window" 40 15 click 1
    xdotool windowfocus --sync "$window" 2> /dev/null || true
    xdotool key --delay 20 Right Right Right Right Right Down Down Down
    sleep 1
    import -window "$window" "$run"
    for _ in $(seq 20); do # each shot after a few presses towards the centre
        xdotool key --delay 20 Left Left Up Return
    done
    sleep 2
    import -window "$window" "$report"
    kill "$program"
    wait "$program" 2> /dev/null || true
}

run=docs/run.png report=docs/report.png play env LC_ALL=de_DE.UTF-8 build/fendrel
run=docs/scale-1.5.png report=$wine_home/unused.png play env LC_ALL=de_DE.UTF-8 QT_SCALE_FACTOR=1.5 build/fendrel
# Wine takes the user's locale from the C library, which knows only generated ones.
localedef -i de_DE -c -f UTF-8 "$wine_home/de_DE.UTF-8"
export LOCPATH=$wine_home LC_ALL=de_DE.UTF-8
/usr/lib/wine/wine64 wineboot -i > /dev/null 2>&1
run=docs/windows-run.png report=docs/windows-report.png play /usr/lib/wine/wine64 build-windows/fendrel.exe

for engine in Chromium Firefox WebKit; do
    name=$(echo "$engine" | tr '[:upper:]' '[:lower:]')
    FENDREL_SCREENSHOTS=$wine_home/$name FENDREL_WEB_BUILD=$PWD/build-web \
        build-test/tests/test_desktops "webPageIn$engine:de-DE at 2, offline" > /dev/null
    for picture in run report; do
        convert "$wine_home/$name-$picture.png" -sample 50% "docs/$name-$picture.png"
    done
done
FENDREL_SCREENSHOTS=$wine_home/keypad FENDREL_WEB_BUILD=$PWD/build-web build-test/tests/test_desktops \
    "keypadOnPhonesAndTablets:phone, landscape" "keypadOnPhonesAndTablets:phone, upright" > /dev/null
for side in landscape upright; do
    convert "$wine_home/keypad-phone-$side.png" -resize 33.3333% "docs/phone-$side.png"
done
ls -l docs/*.png
