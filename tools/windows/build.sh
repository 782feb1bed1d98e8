#!/usr/bin/env bash
# make windows: cross-builds the Windows program on Debian and packs it.
#   build/windows/tovelcreator.exe                 the program, one static file
#   build/windows/TovelCreator-VERSION-setup.exe   the installer (NSIS)
#   build/windows/TovelCreator-VERSION-windows.zip the portable program
# The first run on a machine builds the libraries (tools/windows/deps.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$PWD
OUT=build/windows
JOBS=${JOBS:-$(nproc)}

deps=$(tools/windows/deps.sh)
eval "$deps"

cmake -S . -B "$OUT" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
  -DWX_PREFIX="$WX_PREFIX" -DGTEST_PREFIX="$GTEST_PREFIX" \
  -DCMAKE_BUILD_TYPE=Release -DTOVEL_WERROR=ON -DBUILD_TESTING=ON >/dev/null
cmake --build "$OUT" -j "$JOBS" --target tovelcreator

VERSION=$(sed -n 's/^project(TovelCreator VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
STAGE=$OUT/stage
rm -rf "$STAGE"
mkdir -p "$STAGE"
# Windows text files: CRLF line ends.
sed 's/$/\r/' README.md > "$STAGE/README.txt"
sed 's/$/\r/' LICENSE > "$STAGE/LICENSE.txt"

# The sample tovels, named one by one so that the uninstaller removes only
# what the installer brought.
(
  cd samples
  find tovels -type d | sort | while read -r dir; do echo "dir $dir"; done
  find tovels -type f | sort | while read -r file; do echo "file $file"; done
) > "$STAGE/samples.list"
{
  echo '!macro InstallSamples'
  while read -r kind path; do
    win=${path//\//\\}
    if [ "$kind" = dir ]; then echo "  SetOutPath \"\$INSTDIR\\samples\\$win\""; fi
    if [ "$kind" = file ]; then
      echo "  SetOutPath \"\$INSTDIR\\samples\\$(dirname "$path" | tr / '\\')\""
      echo "  File \"$ROOT/samples/$path\""
    fi
  done < "$STAGE/samples.list"
  echo '!macroend'
  echo '!macro RemoveSamples'
  while read -r kind path; do
    if [ "$kind" = file ]; then echo "  Delete \"\$INSTDIR\\samples\\${path//\//\\}\""; fi
  done < "$STAGE/samples.list"
  # Folders deepest first; a folder still holding the user's files stays.
  grep '^dir ' "$STAGE/samples.list" | cut -d' ' -f2- | sort -r | while read -r dir; do
    echo "  RMDir \"\$INSTDIR\\samples\\${dir//\//\\}\""
  done
  echo '  RMDir "$INSTDIR\samples"'
  echo '!macroend'
} > "$STAGE/samples.nsh"

SETUP=$OUT/TovelCreator-$VERSION-setup.exe
makensis -V2 -DVERSION="$VERSION" -DPROGRAM="$ROOT/$OUT/tovelcreator.exe" \
  -DICON="$ROOT/data/windows/tovelcreator.ico" -DREADME="$ROOT/$STAGE/README.txt" \
  -DLICENSE="$ROOT/$STAGE/LICENSE.txt" \
  -DFILES="$ROOT/$STAGE/samples.nsh" -DOUTFILE="$ROOT/$SETUP" data/windows/installer.nsi

ZIP=$OUT/TovelCreator-$VERSION-windows.zip
PORTABLE=$STAGE/TovelCreator-$VERSION
mkdir -p "$PORTABLE"
cp "$OUT/tovelcreator.exe" "$STAGE/README.txt" "$STAGE/LICENSE.txt" "$PORTABLE/"
cp -r samples "$PORTABLE/samples"
rm -f "$ZIP"
(cd "$STAGE" && zip -qrX "$ROOT/$ZIP" "TovelCreator-$VERSION")

for file in "$OUT/tovelcreator.exe" "$SETUP" "$ZIP"; do
  printf '%-48s %6d KB\n' "$file" $(( $(stat -c %s "$file") / 1024 ))
done
