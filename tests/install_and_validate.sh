#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and validates what the desktop and the
# software centre read, strictly; then builds the Debian package, checks what it holds
# and depends on, and runs lintian on it, pedantic, failing on any error or warning.
# Usage: install_and_validate.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
id=de.fendrel.Fendrel

cmake --install "$build" --prefix "$prefix" > /dev/null
for file in bin/fendrel share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/man/man1/fendrel.1.gz \
            share/doc/fendrel/copyright share/doc/fendrel/changelog.gz; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
hints=$(desktop-file-validate --warn-kde "$prefix/share/applications/$id.desktop")
[ -z "$hints" ] || { echo "desktop entry: $hints"; exit 1; }
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml"
man_warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/fendrel.1.gz" 2>&1 > /dev/null)
[ -z "$man_warnings" ] || { echo "manual page: $man_warnings"; exit 1; }

(cd "$build" && cpack -G DEB -B "$prefix/package" > /dev/null)
deb=$(ls "$prefix"/package/fendrel_*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6svg6 libqt6core6; do
    grep -q "$library" <<< "$depends" || { echo "package does not depend on $library"; exit 1; }
done
[ "$(dpkg-deb --field "$deb" Recommends)" = qt6-wayland ] || { echo "package does not recommend qt6-wayland"; exit 1; }
contents=$(dpkg-deb --contents "$deb")
grep -q "usr/bin/fendrel$" <<< "$contents" || { echo "package lacks usr/bin/fendrel"; exit 1; }
report=$(lintian --pedantic --display-info --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1)
grep -v 'root privileges' <<< "$report" || true
echo "install and package: ok"
