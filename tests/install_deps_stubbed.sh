#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# install-deps.sh against a stand-in apt-get whose package lists cannot all be fetched.
set -u
stub=$(mktemp -d) && trap 'rm -rf "$stub"' EXIT
printf '#!/bin/sh\n[ "$1" = --print-foreign-architectures ] && echo i386; exit 0\n' > "$stub/dpkg"
printf '#!/bin/sh\nexit 1\n' > "$stub/dpkg-query"
cat > "$stub/apt-get" <<'STUB'
#!/bin/sh
for arg; do case $arg in update) echo "W: Some index files failed to download."; exit 100 ;; "$UNAVAILABLE") exit 100 ;; esac; done
echo "$@" >> "$INSTALLED"
STUB
chmod +x "$stub"/*
run() { INSTALLED=$stub/installed UNAVAILABLE=$1 PATH=$stub:$PATH bash "$(dirname "$0")/../scripts/install-deps.sh" qt wine 2> "$stub/said"; }
fail() { echo "FAIL: $1"; cat "$stub/said"; exit 1; }
run none && grep -q qt6-base-dev "$stub/installed" && grep -q wine32:i386 "$stub/installed" || fail "a list that cannot be fetched stops it"
rm "$stub/installed"; run wine32:i386 && grep -q wine64 "$stub/installed" || fail "no 32-bit Wine stops it"
run qt6-base-dev && fail "a needed package missing passes"; grep -q 'cannot install qt6-base-dev' "$stub/said" || fail "the missing package is not named"
echo "PASS: install-deps.sh"
