#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates what the desktop reads;
# then builds the Debian package and checks what it holds and depends on.
# Usage: install_and_validate.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
id=de.fendrel.Fendrel

cmake --install "$build" --prefix "$prefix" > /dev/null
for file in bin/fendrel share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"

(cd "$build" && cpack -G DEB -B "$prefix/package" > /dev/null)
deb=$(ls "$prefix"/package/fendrel_*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6svg6 libqt6core6; do
    grep -q "$library" <<< "$depends" || { echo "package does not depend on $library"; exit 1; }
done
contents=$(dpkg-deb --contents "$deb")
grep -q "usr/bin/fendrel$" <<< "$contents" || { echo "package lacks usr/bin/fendrel"; exit 1; }
echo "install and package: ok"
