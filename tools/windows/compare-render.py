#!/usr/bin/env python3
"""Compares two renders of one tovel, pixel for pixel, outside its texts.

usage: compare-render.py LINUX.png WINDOWS.png TOVEL

Both pictures must be 400 x 320. Texts are drawn with each system's own
font, so the area a text item may cover is left out: its box, widened to
the right (a text may run past its box) and by a few pixels around. Every
other pixel must be the same. Prints a line and exits 1 when they differ.
"""

import subprocess
import sys

WIDTH, HEIGHT = 400, 320
FLAG_TEXT = 0x02


def pixels(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                          capture_output=True, text=True).stdout.split()
    if [int(v) for v in size] != [WIDTH, HEIGHT]:
        sys.exit("%s is %s x %s, not %d x %d" % (path, size[0], size[1], WIDTH, HEIGHT))
    return subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout


def text_areas(tovel):
    with open(tovel, "rb") as f:
        lines = f.read().split(b"\r\n")
    count = int(lines[0].split(b";")[0])
    areas = []
    for line in lines[2:2 + count]:
        fields = line.split(b",")
        left, top, right, bottom, flags = (int(v) for v in fields[:5])
        if flags & FLAG_TEXT:
            areas.append((min(left, right) - 4, min(top, bottom) - 4, WIDTH,
                          max(top, bottom) + 4))
    return areas


def main(linux, windows, tovel):
    a, b = pixels(linux), pixels(windows)
    areas = text_areas(tovel)
    compared = differing = 0
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if any(x0 <= x < x1 and y0 <= y < y1 for x0, y0, x1, y1 in areas):
                continue
            compared += 1
            i = 3 * (y * WIDTH + x)
            if a[i:i + 3] != b[i:i + 3]:
                if differing < 5:
                    print("  differs at %d,%d: %s against %s" % (x, y, a[i:i + 3].hex(), b[i:i + 3].hex()))
                differing += 1
    print("%s: %d of %d pixels outside text differ" % (tovel, differing, compared))
    return 1 if differing else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
