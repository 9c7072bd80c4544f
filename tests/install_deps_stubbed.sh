#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# install-deps.sh against a stand-in apt-get whose package lists cannot all be fetched.
stub=$(mktemp -d) && trap 'rm -rf "$stub"' EXIT
printf '#!/bin/sh\necho i386\n' > "$stub/dpkg" && printf '#!/bin/sh\nexit 1\n' > "$stub/dpkg-query"
printf '#!/bin/sh\nfor a; do case $a in update) echo "W: Some index files failed to download."; exit 100;; "$NOT_HERE") exit 100;; esac; done\necho "$@" >> "$LOG"\n' > "$stub/apt-get"
chmod +x "$stub"/* && export LOG=$stub/log PATH=$stub:$PATH
run() { NOT_HERE=$1 bash "$(dirname "$0")/../scripts/install-deps.sh" qt wine 2> "$stub/said"; }
run none && grep -q qt6-base-dev "$LOG" && grep -q wine32:i386 "$LOG" || { echo "FAIL: stopped by a list"; exit 1; }
rm "$LOG"; run wine32:i386 && grep -q wine64 "$LOG" || { echo "FAIL: stopped by 32-bit Wine"; exit 1; }
! run qt6-base-dev && grep -q 'cannot install qt6-base-dev' "$stub/said" || { echo "FAIL: a needed package"; exit 1; }
echo "PASS: install-deps.sh"
