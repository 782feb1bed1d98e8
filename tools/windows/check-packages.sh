#!/usr/bin/env bash
# Checks the Windows packages of `make windows`: the program is one file
# that needs no DLL beyond those Windows ships, and the zip holds the
# program, the README, the licence and every sample.
set -euo pipefail
OUT=$1
VERSION=$2
EXE=$OUT/tovelcreator.exe
problems=0

# The DLLs every Windows since 7 has in its system folder.
system_dlls="advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt ole32 oleacc oleaut32 rpcrt4
             shell32 shlwapi user32 uxtheme version winmm winspool.drv ws2_32 imm32 msimg32 gdiplus
             uuid usp10 dwmapi"
while read -r dll; do
  base=$(echo "${dll%.dll}" | tr 'A-Z' 'a-z')
  base=${base%.DLL}
  if ! grep -qw -- "$base" <<<"$system_dlls"; then
    echo "  tovelcreator.exe needs $dll, which Windows does not ship"
    problems=$((problems + 1))
  fi
done < <(x86_64-w64-mingw32-objdump -p "$EXE" | awk '/DLL Name:/ {print $3}')
echo "  imports: $(x86_64-w64-mingw32-objdump -p "$EXE" | awk '/DLL Name:/ {printf "%s ", $3}')"

ZIP=$OUT/TovelCreator-$VERSION-windows.zip
listing=$(unzip -Z1 "$ZIP")
for want in tovelcreator.exe README.txt LICENSE.txt samples/tovels/PumpHouse samples/tovels/pumps/pump_on.bmp; do
  if ! grep -qx "TovelCreator-$VERSION/$want" <<<"$listing"; then
    echo "  the zip lacks $want"
    problems=$((problems + 1))
  fi
done
sample_count=$(cd samples && find tovels -type f | wc -l)
zipped_count=$(grep -c "^TovelCreator-$VERSION/samples/tovels/.*[^/]$" <<<"$listing" || true)
if [ "$sample_count" != "$zipped_count" ]; then
  echo "  the zip holds $zipped_count sample files, not $sample_count"
  problems=$((problems + 1))
fi
[ $problems -eq 0 ] && echo "packages: as they should be" || exit 1
