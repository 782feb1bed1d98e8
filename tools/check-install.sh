#!/usr/bin/env bash
# Checks an installed TovelCreator: every file that `cmake --install` or the
# Debian package puts in place is there, and the desktop entry, the
# metainfo, the manual page and the icons are valid.
#   tools/check-install.sh PREFIX   the install prefix (build/stage, or usr of
#                                   an unpacked .deb)
# Needs desktop-file-validate (desktop-file-utils), appstreamcli (appstream),
# man and file: tools/install-deps.sh package installs them.
set -euo pipefail
PREFIX=${1:?usage: check-install.sh PREFIX}
ID=io.github.tovelcreator.TovelCreator
problems=0
problem() { echo "  $*"; problems=$((problems + 1)); }

need=(bin/tovelcreator
      share/applications/$ID.desktop
      share/metainfo/$ID.metainfo.xml
      share/icons/hicolor/scalable/apps/$ID.svg
      share/man/man1/tovelcreator.1.gz)
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do need+=("share/icons/hicolor/${size}x$size/apps/$ID.png"); done
samples=$(cd "$(dirname "$0")/../samples/tovels" && find . -type f | sort)
while read -r sample; do need+=("share/tovelcreator/samples/${sample#./}"); done <<<"$samples"
for file in "${need[@]}"; do
  [ -f "$PREFIX/$file" ] || problem "missing: $file"
done
[ $problems -eq 0 ] || { echo "check-install: $problems problem(s) in $PREFIX"; exit 1; }

[ -x "$PREFIX/bin/tovelcreator" ] || problem "bin/tovelcreator is not executable"
desktop-file-validate "$PREFIX/share/applications/$ID.desktop" || problem "the desktop entry is not valid"
grep -qx "Icon=$ID" "$PREFIX/share/applications/$ID.desktop" || problem "the desktop entry names another icon"
appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml" ||
  problem "the metainfo is not valid"
for size in "${sizes[@]}"; do
  file -b "$PREFIX/share/icons/hicolor/${size}x$size/apps/$ID.png" | grep -q "PNG image data, $size x $size," ||
    problem "the ${size}x$size icon is not a $size x $size PNG picture"
done
file -b "$PREFIX/share/icons/hicolor/scalable/apps/$ID.svg" | grep -q "SVG" || problem "the scalable icon is not SVG"
# groff reports what it cannot format as warnings on standard error.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$PREFIX/share/man/man1/tovelcreator.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || problem "the manual page: $warnings"

if [ $problems -eq 0 ]; then
  echo "check-install: the files in $PREFIX are complete and valid"
else
  echo "check-install: $problems problem(s) in $PREFIX"
  exit 1
fi
