#!/usr/bin/env bash
# make windows-test: checks the Windows program under Wine, headless.
#  1. the core tests, cross-built, under Wine (tools/windows/run-core-tests.sh);
#  2. the command-line tests, cross-built, under Wine, running the Windows
#     program;
#  3. the samples exported by the Windows and the Linux program: same bytes;
#  4. the samples rendered by both: same pixels outside text;
#  5. the editor starts with a sample, shows its window and closes;
#  6. the installer, silent, per user and for all users, and its uninstaller;
#  7. the packages: one program file needing only Windows' own DLLs.
# Expects `make windows` (the Windows build) to have run; builds the Linux
# program to compare with in build/test when it is missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$PWD
OUT=build/windows
LINUX=build/test
JOBS=${JOBS:-$(nproc)}
VERSION=$(sed -n 's/^project(TovelCreator VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
EXE=$ROOT/$OUT/tovelcreator.exe
SAMPLES=$ROOT/samples/tovels

failures=()
step() { echo; echo "== $*"; }
failed() { echo "FAILED: $*"; failures+=("$*"); }

cmake --build "$OUT" -j "$JOBS" --target core_tests cli_tests
tools/install-deps.sh
if [ ! -e "$LINUX/CMakeCache.txt" ]; then
  cmake -S . -B "$LINUX" -DCMAKE_BUILD_TYPE=Debug -DTOVEL_SANITIZE=ON -DTOVEL_WERROR=ON >/dev/null
fi
cmake --build "$LINUX" -j "$JOBS" --target tovelcreator

# One private Wine prefix for everything here, and one X display.
SCRATCH=$(mktemp -d /tmp/tovel-windows-test.XXXXXX)
export WINEPREFIX=$SCRATCH/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Xvfb picks a display number that is free and says which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$SCRATCH/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$SCRATCH/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$SCRATCH/display")
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$SCRATCH"
}
trap cleanup EXIT
wineboot -i >/dev/null 2>&1
wineserver -w

step "core tests under Wine"
tools/windows/run-core-tests.sh "$OUT" || failed "core tests"

step "command-line tests under Wine"
wine "$OUT/tests/cli_tests.exe" --gtest_brief=1 || failed "command-line tests"

step "exports: same bytes as the Linux program"
for sample in "$SAMPLES"/*; do
  [ -f "$sample" ] || continue
  name=$(basename "$sample")
  for form in native acorn mac; do
    KESTRO2_INI=/nonexistent "$LINUX/tovelcreator" --export $form --output "$SCRATCH/$name.$form.linux" \
      --tovels-folder "$SAMPLES" "$sample"
    wine "$EXE" --export $form --output "$SCRATCH/$name.$form.windows" \
      --tovels-folder "$SAMPLES" "$sample"
    if cmp -s "$SCRATCH/$name.$form.linux" "$SCRATCH/$name.$form.windows"; then
      echo "$name $form: same $(stat -c %s "$SCRATCH/$name.$form.linux") bytes"
    else
      failed "$name $form export differs"
    fi
  done
done

step "renders: same pixels outside text"
for sample in "$SAMPLES"/*; do
  [ -f "$sample" ] || continue
  name=$(basename "$sample")
  # The toolkit's font caches live until the end: no leak report for them.
  ASAN_OPTIONS=detect_leaks=0 NO_AT_BRIDGE=1 KESTRO2_INI=/nonexistent "$LINUX/tovelcreator" --render "$SCRATCH/$name.linux.png" \
    --tovels-folder "$SAMPLES" "$sample"
  wine "$EXE" --render "$SCRATCH/$name.windows.png" --tovels-folder "$SAMPLES" "$sample"
  tools/windows/compare-render.py "$SCRATCH/$name.linux.png" "$SCRATCH/$name.windows.png" "$sample" ||
    failed "$name render differs"
done

step "the editor opens a sample in its window and closes"
printf '[LOCATIONS]\r\nTOVELS=%s\r\n' "Z:${SAMPLES//\//\\}" > "$SCRATCH/KESTRO2.INI"
KESTRO2_INI="$SCRATCH/KESTRO2.INI" wine "$EXE" "$SAMPLES/PumpHouse" &
editor=$!
if window=$(timeout 120 xdotool search --sync --onlyvisible --name '^PumpHouse - TovelCreator$' | head -n 1); then
  echo "found the window \"$(xdotool getwindowname "$window")\""
  wine taskkill /im tovelcreator.exe >/dev/null 2>&1 || true
  if timeout 60 tail --pid=$editor -f /dev/null; then
    wait $editor && echo "the editor closed" || failed "the editor ended with status $?"
  else
    failed "the editor did not close"
    kill $editor 2>/dev/null || true
  fi
else
  failed "no window titled \"PumpHouse - TovelCreator\""
  kill $editor 2>/dev/null || true
fi
wineserver -w

step "the installer and uninstaller, silent"
tools/windows/check-installer.sh "$OUT/TovelCreator-$VERSION-setup.exe" || failed "installer"

step "the packages"
tools/windows/check-packages.sh "$OUT" "$VERSION" || failed "packages"

echo
if [ ${#failures[@]} -gt 0 ]; then
  echo "windows-test: ${#failures[@]} step(s) failed: ${failures[*]}"
  exit 1
fi
echo "windows-test: every step passed"
