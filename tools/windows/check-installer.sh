#!/usr/bin/env bash
# Installs and uninstalls the Windows installer silently under Wine, once for
# the current user and once for all users, and checks what each leaves:
# the program, the README and the samples; the Start-menu entry; the
# document type "TovelCreator.Document" shown as "Tovel" with its icon and
# open command; the uninstall entry. After the uninstaller nothing of it is
# left, except a tovel the user saved among the samples.
# Uses the caller's WINEPREFIX.
set -euo pipefail
SETUP=$1
problems=0
check() { # description command...
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then echo "  ok: $what"; else echo "  MISSING: $what"; problems=$((problems + 1)); fi
}
absent() {
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then echo "  LEFT BEHIND: $what"; problems=$((problems + 1)); else echo "  ok: $what"; fi
}
reg_value() { # key [value] -> prints the data
  local out
  if [ -n "${2:-}" ]; then out=$(wine reg query "$1" /v "$2" 2>/dev/null); else out=$(wine reg query "$1" /ve 2>/dev/null); fi
  echo "$out" | tr -d '\r' | awk -F'REG_SZ' 'NF > 1 {sub(/^[ \t]+/, "", $2); print $2; exit}'
}
equals() { [ "$1" = "$2" ]; }

run_mode() { # mode hive folder
  local mode=$1 hive=$2 folder=$3 unix
  echo "installing /$mode into $folder"
  wine "$SETUP" /S "/$mode" "/D=$folder"
  wineserver -w
  unix=$(winepath -u "$folder")
  check "the program" test -f "$unix/tovelcreator.exe"
  check "the README" test -f "$unix/README.txt"
  check "the licence" test -f "$unix/LICENSE.txt"
  check "the samples" test -f "$unix/samples/tovels/PumpHouse"
  check "the uninstaller" test -f "$unix/uninstall.exe"
  local classes="$hive\\Software\\Classes\\TovelCreator.Document"
  check "the document type named Tovel" equals "$(reg_value "$classes")" "Tovel"
  check "its icon" equals "$(reg_value "$classes\\DefaultIcon")" "$folder\\tovelcreator.exe,0"
  check "its open command" equals "$(reg_value "$classes\\shell\\open\\command")" "\"$folder\\tovelcreator.exe\" \"%1\""
  local uninstall="$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TovelCreator"
  check "the uninstall entry" equals "$(reg_value "$uninstall" DisplayVersion)" "$VERSION_EXPECTED"
  local menu
  if [ "$mode" = CurrentUser ]; then menu=$(wine cmd /c echo %APPDATA% | tr -d '\r'); else menu=$(wine cmd /c echo %ProgramData% | tr -d '\r'); fi
  local shortcut
  shortcut="$(winepath -u "$menu")/Microsoft/Windows/Start Menu/Programs/TovelCreator.lnk"
  check "the Start-menu entry" test -f "$shortcut"

  # A tovel the user saved among the samples must survive the uninstaller.
  echo "mine" > "$unix/samples/tovels/Mine"
  echo "uninstalling"
  wine "$folder\\uninstall.exe" /S "/$mode"
  wineserver -w
  sleep 2
  wineserver -w
  absent "the program" test -e "$unix/tovelcreator.exe"
  absent "the licence" test -e "$unix/LICENSE.txt"
  absent "the installed samples" test -e "$unix/samples/tovels/PumpHouse"
  check "the user's own tovel" test -f "$unix/samples/tovels/Mine"
  absent "the document type" wine reg query "$classes"
  absent "the uninstall entry" wine reg query "$uninstall"
  absent "the Start-menu entry" test -e "$shortcut"
  rm -rf "$unix"
}

VERSION_EXPECTED=$(basename "$SETUP" | sed -n 's/^TovelCreator-\(.*\)-setup\.exe$/\1/p')
run_mode CurrentUser HKCU 'C:\TovelTest\Mine'
run_mode AllUsers HKLM 'C:\TovelTest\All'
if [ $problems -gt 0 ]; then
  echo "installer: $problems problem(s)"
  exit 1
fi
echo "installer: both modes install and uninstall cleanly"
