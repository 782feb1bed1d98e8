#!/usr/bin/env bash
# Runs a command on a virtual X display of its own and stops the display
# afterwards; the command's exit status is the script's.
#
#   tools/with-own-display.sh PROGRAM [ARGUMENTS...]
#
# CTest starts every window test through this script, so tests run in
# parallel (ctest -j) never share a screen, a keyboard focus or a clipboard.
# Xvfb chooses a free display number itself and reports it on a pipe
# (-displayfd), which two scripts starting at the same moment cannot both
# take, unlike the number guessing of xvfb-run -a.
#
# Listing the tests of a GoogleTest program (--gtest_list_tests, as test
# discovery does) needs no display and starts none.
set -uo pipefail

for argument in "$@"; do
  if [ "$argument" = "--gtest_list_tests" ]; then exec "$@"; fi
done

screen="${TOVEL_TEST_SCREEN:-1280x1024x24}"
workdir=$(mktemp -d "${TMPDIR:-/tmp}/own-display.XXXXXX") || exit 1
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

mkfifo "$workdir/display"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp \
  3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
# Xvfb writes the number once it accepts clients; it closes the pipe
# without a number when it cannot start.
number=""
read -r number <"$workdir/display"
if ! [[ "$number" =~ ^[0-9]+$ ]]; then
  echo "with-own-display: Xvfb did not start:" >&2
  cat "$workdir/xvfb.log" >&2
  exit 1
fi

# GTK would prefer a Wayland session of the desktop the tests are started from.
unset WAYLAND_DISPLAY
DISPLAY=":$number" GDK_BACKEND=x11 "$@"
