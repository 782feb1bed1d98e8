#!/usr/bin/env bash
# Makes the screenshot of the README and the metainfo again, after a change
# to what the editor shows: starts the editor on a virtual display (Xvfb)
# with the PumpHouse sample open, from a copy of the samples, and captures
# its window.
#   tools/make-screenshot.sh [PROGRAM [PICTURE]]
# PROGRAM defaults to build/run/tovelcreator (`make` builds it), PICTURE to
# docs/images/main-window.png. Needs xvfb, xdotool and imagemagick.
set -euo pipefail

# Run again by xvfb-run, inside the virtual display: start the editor, wait
# for its window and for the splash window to go, capture the window and
# close the editor.
if [ -n "${TOVEL_SCREENSHOT_SCRATCH:-}" ]; then
  "$1" "$TOVEL_SCREENSHOT_SCRATCH/tovels/PumpHouse" &
  editor=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^PumpHouse - TovelCreator$' | head -n 1)
  for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --pid "$editor" 2>/dev/null | wc -l)" -le 1 ] && break
    sleep 0.1
  done
  sleep 1
  if [ -n "${TOVEL_SCREENSHOT_TRY:-}" ]; then
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key F5
    sleep 1
    # The page is the largest white area on the window; the sample's "in 1"
    # item, clickable for input 1, lies at (100, 176) on it.
    import -window "$window" "$TOVEL_SCREENSHOT_SCRATCH/before.png"
    page=$(convert "$TOVEL_SCREENSHOT_SCRATCH/before.png" -fill black +opaque white \
      -define connected-components:verbose=true -connected-components 4 null: |
      awk '/(255,255,255)|white/ { if ($4 > best) { best = $4; box = $2 } } END { print box }')
    read -r x y < <(echo "$page" | sed 's/^[0-9]*x[0-9]*+\([0-9]*\)+\([0-9]*\)$/\1 \2/')
    xdotool mousemove --window "$window" $((x + 100)) $((y + 176)) click 1
    xdotool mousemove --window "$window" 1 1
    sleep 1
  fi
  import -window "$window" "$2"
  kill "$editor"
  wait "$editor" || true
  exit 0
fi

cd "$(dirname "$0")/.."
TRY=
DEFAULT_PICTURE=docs/images/main-window.png
if [ "${1:-}" = --try ]; then
  TRY=1
  DEFAULT_PICTURE=docs/images/try-mode.png
  shift
fi
PROGRAM=$(realpath "${1:-build/run/tovelcreator}")
PICTURE=$(realpath -m "${2:-$DEFAULT_PICTURE}")
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null ||
    { echo "make-screenshot.sh: $tool is missing (apt-get install xvfb xdotool imagemagick)" >&2; exit 1; }
done
[ -x "$PROGRAM" ] || { echo "make-screenshot.sh: no program $PROGRAM (run make first)" >&2; exit 1; }

SCRATCH=$(mktemp -d /tmp/tovel-screenshot.XXXXXX)
trap 'rm -rf "$SCRATCH"' EXIT
cp -r samples/tovels "$SCRATCH/"
printf '[LOCATIONS]\r\nTOVELS=%s\r\n' "$SCRATCH/tovels" > "$SCRATCH/KESTRO2.INI"
mkdir -p "$(dirname "$PICTURE")"
TOVEL_SCREENSHOT_TRY=$TRY TOVEL_SCREENSHOT_SCRATCH=$SCRATCH KESTRO2_INI=$SCRATCH/KESTRO2.INI NO_AT_BRIDGE=1 \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$PWD/tools/make-screenshot.sh" "$PROGRAM" "$PICTURE"
echo "wrote $PICTURE ($(identify -format '%w x %h' "$PICTURE"))"
