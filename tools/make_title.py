#!/usr/bin/env python3
"""Draws the title picture of the splash and About windows.

Run from anywhere: python3 tools/make_title.py [--preview FILE.png]
It writes src/ui/resources/TitlePicture.h next to this tools/ folder: one
502 x 302 picture with at most 256 colours, as a byte array that the
program turns into an image without decoding (PaletteImage).
With --preview it also writes the picture as a PNG file for looking at.

The picture: the program's name in large letters over a soft sky, and below
it a tovel as the editor shows one, a white page holding a picture item (a
tank feeding a pump), a label and a yellow reading box.

Everything is drawn from distance functions: a shape is a function giving,
for a point, its distance to the shape's edge (negative inside). A pixel is
covered by as much of the shape as the distance at its centre allows, which
smooths every edge over about one pixel. The letters are pen strokes (lines
and circle arcs) of a small geometric alphabet made here, so the name stays
clean at any size. The finished picture is reduced to 256 colours at most
by median cut; the lower right corner is left plain for the version number
the window writes there.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
# The shared PNG writer and the C++ form of pictures.
from make_images import PLAIN_BYTES, cpp_image, png_bytes  # noqa: E402

WIDTH, HEIGHT = 502, 302
MAX_COLOURS = 256
# The corner the version number is written into must stay plain.
VERSION_CORNER = (WIDTH - 60, HEIGHT - 34)


# --- Distance functions -----------------------------------------------------------

def segment_distance(x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def distance(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return math.hypot(x0 + t * dx - x, y0 + t * dy - y)

    return distance


def arc_distance(cx, cy, r, start, end):
    """Distance to a circle arc from angle start to end, degrees counter-clockwise
    from the right as seen on screen (y grows downwards)."""
    sweep = (end - start) % 360 or 360
    ends = [(cx + r * math.cos(math.radians(a)), cy - r * math.sin(math.radians(a)))
            for a in (start, end)]

    def distance(x, y):
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        if (a - start) % 360 <= sweep:
            return abs(math.hypot(x - cx, y - cy) - r)
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends)

    return distance


def stroke(paths, width):
    """A pen stroke of the given width along lines and arcs (round ends)."""
    half = width / 2
    return lambda x, y: min(p(x, y) for p in paths) - half


def box(left, top, right, bottom, radius=0.0):
    """A rectangle with rounded corners, edges at the given pixel borders."""
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def distance(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return distance


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def intersect(a, b):
    return lambda x, y: max(a(x, y), b(x, y))


# --- The canvas -------------------------------------------------------------------

class Canvas:
    """An RGB picture of floats, painted with shapes."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[(0.0, 0.0, 0.0)] * width for _ in range(height)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0:
            return
        row = self.pixels[y]
        r, g, b = row[x]
        row[x] = (r + (colour[0] - r) * alpha, g + (colour[1] - g) * alpha,
                  b + (colour[2] - b) * alpha)

    def paint(self, shape, colour, bounds, alpha=1.0, softness=1.0):
        """Paints a shape within bounds (left, top, right, bottom); softness is
        the width in pixels over which its edge fades."""
        left, top, right, bottom = (int(math.floor(bounds[0])), int(math.floor(bounds[1])),
                                    int(math.ceil(bounds[2])), int(math.ceil(bounds[3])))
        for y in range(max(0, top), min(self.height, bottom + 1)):
            for x in range(max(0, left), min(self.width, right + 1)):
                d = shape(x + 0.5, y + 0.5)
                cover = min(1.0, max(0.0, 0.5 - d / softness))
                self.blend(x, y, colour, cover * alpha)

    def fill_box(self, left, top, right, bottom, colour, radius=0.0, alpha=1.0):
        self.paint(box(left, top, right, bottom, radius), colour,
                   (left - 1, top - 1, right + 1, bottom + 1), alpha)

    def frame_box(self, left, top, right, bottom, colour, width=1.0, radius=0.0):
        outer = box(left, top, right, bottom, radius)
        inner = box(left + width, top + width, right - width, bottom - width,
                    max(0.0, radius - width))
        self.paint(lambda x, y: max(outer(x, y), -inner(x, y)), colour,
                   (left - 1, top - 1, right + 1, bottom + 1))

    def shadow(self, left, top, right, bottom, colour, blur, alpha, radius=0.0):
        """A soft shadow of a rectangle."""
        self.paint(box(left, top, right, bottom, radius), colour,
                   (left - blur, top - blur, right + blur, bottom + blur), alpha, blur)


# --- A small geometric alphabet ------------------------------------------------------
#
# Letters are centre lines of pen strokes in units of the capital height:
# the baseline is y = 0, capitals reach y = 1, small letters X_HEIGHT, and
# y grows upwards. Each letter gives its width and its strokes, lines
# ("l", x0, y0, x1, y1) and arcs ("a", cx, cy, r, start, end) with angles in
# degrees counter-clockwise from the right.

X_HEIGHT = 0.7
R = X_HEIGHT / 2  # radius of the round small letters

LETTERS = {
    "T": (0.76, [("l", 0, 1, 0.76, 1), ("l", 0.38, 1, 0.38, 0)]),
    "C": (0.92, [("a", 0.5, 0.5, 0.5, 48, 312)]),
    "L": (0.52, [("l", 0, 1, 0, 0), ("l", 0, 0, 0.52, 0)]),
    "o": (2 * R, [("a", R, R, R, 0, 360)]),
    "v": (0.66, [("l", 0, X_HEIGHT, 0.33, 0), ("l", 0.33, 0, 0.66, X_HEIGHT)]),
    "e": (2 * R, [("a", R, R, R, 0, 318), ("l", 0, R, 2 * R, R)]),
    "l": (0.0, [("l", 0, 0, 0, 1.04)]),
    "r": (0.36, [("l", 0, 0, 0, X_HEIGHT), ("a", 0.34, X_HEIGHT - 0.34, 0.34, 70, 180)]),
    "a": (2 * R, [("a", R, R, R, 0, 360), ("l", 2 * R, 0, 2 * R, X_HEIGHT)]),
    "t": (0.42, [("l", 0.18, 0.96, 0.18, 0.0), ("l", 0, X_HEIGHT, 0.42, X_HEIGHT)]),
}

# Pairs set closer than their widths say.
KERNING = {("T", "o"): -0.16, ("r", "e"): -0.04, ("t", "o"): -0.02, ("C", "r"): -0.04,
           ("L", "e"): -0.06, ("l", "C"): 0.04}


def text_layout(text, size, spacing):
    """The strokes of a text in pixels relative to its left end on the baseline,
    and the text's width. size is the capital height, spacing the gap between
    letters, both in pixels."""
    pieces = []
    x = 0.0
    for i, ch in enumerate(text):
        width, strokes = LETTERS[ch]
        pieces.append((x, strokes))
        x += width * size + spacing
        if i + 1 < len(text):
            x += KERNING.get((ch, text[i + 1]), 0.0) * size
    return pieces, x - spacing


def draw_text(canvas, text, left, baseline, size, pen, colour, spacing=None, alpha=1.0):
    """Draws text with its left end at (left, baseline); returns its width."""
    spacing = pen * 1.9 if spacing is None else spacing
    pieces, total = text_layout(text, size, spacing)
    for x0, strokes in pieces:
        paths = []
        for s in strokes:
            if s[0] == "l":
                _, ax, ay, bx, by = s
                paths.append(segment_distance(left + x0 + ax * size, baseline - ay * size,
                                              left + x0 + bx * size, baseline - by * size))
            else:
                _, cx, cy, r, start, end = s
                paths.append(arc_distance(left + x0 + cx * size, baseline - cy * size, r * size,
                                          start, end))
        pad = pen + 2
        canvas.paint(stroke(paths, pen), colour,
                     (left + x0 - pad, baseline - 1.05 * size - pad,
                      left + x0 + 1.0 * size + pad, baseline + pad), alpha)
    return total


def text_width(text, size, pen, spacing=None):
    return text_layout(text, size, pen * 1.9 if spacing is None else spacing)[1]


# Seven-segment digits for the reading box: segments a (top) to g (middle).
SEGMENTS = {
    "0": "abcdef", "1": "bc", "2": "abged", "3": "abgcd", "4": "fgbc", "5": "afgcd",
    "6": "afgedc", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def draw_digits(canvas, text, left, top, width, height, pen, colour, gap):
    """Seven-segment digits, each width x height pixels; '.' is a dot."""
    x = left
    for ch in text:
        if ch == ".":
            canvas.paint(disc(x + pen * 0.2, top + height - pen / 2, pen * 0.62), colour,
                         (x - pen, top + height - 2 * pen, x + pen * 1.5, top + height + pen))
            x += pen * 1.4 + gap
            continue
        w, h, m = width, height, height / 2
        # Ends of each segment, set in a little so the segments do not touch.
        ins = pen * 0.85
        ends = {
            "a": (ins, 0, w - ins, 0), "g": (ins, m, w - ins, m), "d": (ins, h, w - ins, h),
            "f": (0, ins, 0, m - ins), "b": (w, ins, w, m - ins),
            "e": (0, m + ins, 0, h - ins), "c": (w, m + ins, w, h - ins),
        }
        paths = [segment_distance(x + ends[s][0], top + ends[s][1], x + ends[s][2],
                                  top + ends[s][3]) for s in SEGMENTS[ch]]
        canvas.paint(stroke(paths, pen), colour, (x - pen, top - pen, x + w + pen, top + h + pen))
        x += width + gap


# --- The picture ----------------------------------------------------------------------

SKY_TOP = (196, 221, 244)
SKY_BOTTOM = (246, 249, 252)
NAVY = (26, 54, 104)
ORANGE = (228, 118, 30)
PAGE_EDGE = (150, 160, 175)
INK = (40, 44, 52)
TANK_GREY = (214, 220, 228)
TANK_EDGE = (70, 84, 104)
WATER = (58, 136, 214)
WATER_LIGHT = (118, 182, 240)
PIPE = (120, 132, 148)
PUMP_GREEN = (64, 160, 92)
READING_YELLOW = (255, 226, 64)
WHITE = (255, 255, 255)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def draw_background(c):
    for y in range(c.height):
        t = y / (c.height - 1)
        colour = mix(SKY_TOP, SKY_BOTTOM, 1 - (1 - t) ** 2)
        c.pixels[y] = [colour] * c.width
    # A few soft light circles, kept away from the lower right corner.
    for cx, cy, r, alpha in ((40, 250, 90, 0.18), (470, 40, 70, 0.22), (90, 30, 46, 0.16),
                             (420, 170, 40, 0.12)):
        c.paint(disc(cx, cy, r), WHITE, (cx - r - 2, cy - r - 2, cx + r + 2, cy + r + 2), alpha,
                softness=6)


def draw_title(c):
    size, pen = 42, 7.6
    first, second = "Tovel", "Creator"
    gap = pen * 1.9 + KERNING[("l", "C")] * size
    total = text_width(first, size, pen) + gap + text_width(second, size, pen)
    left = (c.width - total) / 2
    baseline = 80
    for dx, dy, alpha in ((3, 4, 0.16), (1.5, 2, 0.14)):
        width = draw_text(c, first, left + dx, baseline + dy, size, pen, NAVY, alpha=alpha)
        draw_text(c, second, left + width + gap + dx, baseline + dy, size, pen, NAVY, alpha=alpha)
    width = draw_text(c, first, left, baseline, size, pen, NAVY)
    draw_text(c, second, left + width + gap, baseline, size, pen, ORANGE)


def draw_tank_picture(c, left, top, right, bottom):
    """The picture item: a tank of water feeding a pump through a pipe."""
    c.fill_box(left, top, right, bottom, (236, 244, 250))
    c.frame_box(left, top, right, bottom, (120, 130, 146))
    # The tank, a rounded cylinder, two thirds full.
    tl, tt, tr, tb = left + 14, top + 14, left + 62, bottom - 14
    level = tt + (tb - tt) * 0.36
    tank = box(tl, tt, tr, tb, 8)
    c.paint(tank, TANK_GREY, (tl - 1, tt - 1, tr + 1, tb + 1))
    water = intersect(tank, box(tl, level, tr, tb + 10))
    c.paint(water, WATER, (tl - 1, level - 1, tr + 1, tb + 1))
    c.paint(intersect(tank, box(tl + 6, level + 4, tl + 12, tb - 6, 3)), WATER_LIGHT,
            (tl, level, tl + 13, tb))
    c.paint(segment_distance(tl + 2, level, tr - 2, level), WATER_LIGHT,
            (tl, level - 2, tr, level + 2), 0.9)
    c.frame_box(tl, tt, tr, tb, TANK_EDGE, 2, 8)
    # The pipe from the foot of the tank to the pump.
    py = tb - 12
    pump_x, pump_y, pump_r = right - 24, py, 12
    c.paint(lambda x, y: segment_distance(tr, py, pump_x, py)(x, y) - 3.5, PIPE,
            (tr - 2, py - 6, pump_x, py + 6))
    c.paint(lambda x, y: segment_distance(tr, py, pump_x, py)(x, y) - 1.2, (170, 180, 194),
            (tr - 2, py - 3, pump_x, py + 3))
    # The pump: a green disc, its outlet rising and leaving the picture.
    outlet_x, outlet_y = pump_x, top + 22
    outlet = lambda x, y: min(segment_distance(outlet_x, pump_y, outlet_x, outlet_y)(x, y),
                              segment_distance(outlet_x, outlet_y, right, outlet_y)(x, y))
    c.paint(lambda x, y: outlet(x, y) - 3.5, PIPE, (outlet_x - 5, outlet_y - 5, right, pump_y))
    c.paint(lambda x, y: outlet(x, y) - 1.2, (170, 180, 194),
            (outlet_x - 3, outlet_y - 3, right, pump_y))
    c.paint(disc(pump_x, pump_y, pump_r), PUMP_GREEN,
            (pump_x - pump_r - 2, pump_y - pump_r - 2, pump_x + pump_r + 2, pump_y + pump_r + 2))
    c.paint(ring(pump_x, pump_y, pump_r - 1, 2), (34, 104, 58),
            (pump_x - pump_r - 2, pump_y - pump_r - 2, pump_x + pump_r + 2, pump_y + pump_r + 2))
    c.paint(disc(pump_x, pump_y, 3.5), WHITE,
            (pump_x - 5, pump_y - 5, pump_x + 5, pump_y + 5))


def draw_tovel(c):
    left, top, right, bottom = 118, 116, 384, 280
    c.shadow(left + 4, top + 6, right + 4, bottom + 6, (40, 60, 90), 8, 0.30, 3)
    c.fill_box(left, top, right, bottom, WHITE, 2)
    c.frame_box(left, top, right, bottom, PAGE_EDGE, 1, 2)
    # The picture item.
    draw_tank_picture(c, left + 16, top + 16, left + 138, bottom - 16)
    # The label and the yellow reading box under it, level with the tank.
    lx = left + 158
    draw_text(c, "Level", lx, top + 62, 15, 2.2, INK)
    bl, bt, br, bb = lx, top + 74, right - 18, top + 114
    c.fill_box(bl, bt, br, bb, READING_YELLOW)
    c.frame_box(bl, bt, br, bb, (30, 30, 30))
    digit_w, digit_h, pen, gap = 13, 24, 3.4, 6
    digits = "64.2"
    width = 3 * (digit_w + gap) + pen * 1.4
    draw_digits(c, digits, (bl + br - width) / 2, bt + 8, digit_w, digit_h, pen, (34, 30, 20),
                gap)


def draw_picture():
    c = Canvas(WIDTH, HEIGHT)
    draw_background(c)
    draw_title(c)
    draw_tovel(c)
    return c


# --- Colours ------------------------------------------------------------------------------

def quantize(canvas, limit):
    """The picture as rows of palette indices and a palette of at most limit
    colours (median cut over the colours weighted by their use)."""
    counts = {}
    for row in canvas.pixels:
        for p in row:
            key = tuple(min(255, max(0, int(round(v)))) for v in p)
            counts[key] = counts.get(key, 0) + 1
    colours = list(counts.items())
    if len(colours) <= limit:
        palette = [c for c, _ in colours]
        mapping = {c: i for i, c in enumerate(palette)}
    else:
        boxes = [colours]
        while len(boxes) < limit:
            # Split the box with the widest spread, weighted by use.
            best, best_score = None, -1.0
            for i, b in enumerate(boxes):
                if len(b) < 2:
                    continue
                spreads = [max(c[k] for c, _ in b) - min(c[k] for c, _ in b) for k in range(3)]
                score = max(spreads) * math.sqrt(sum(n for _, n in b))
                if score > best_score:
                    best, best_score = i, score
            if best is None:
                break
            b = boxes.pop(best)
            spreads = [max(c[k] for c, _ in b) - min(c[k] for c, _ in b) for k in range(3)]
            axis = spreads.index(max(spreads))
            b.sort(key=lambda item: item[0][axis])
            total, run, cut = sum(n for _, n in b), 0, 1
            for j, (_, n) in enumerate(b):
                run += n
                if run * 2 >= total:
                    cut = max(1, min(len(b) - 1, j + 1))
                    break
            boxes += [b[:cut], b[cut:]]
        palette = []
        mapping = {}
        for b in boxes:
            total = sum(n for _, n in b)
            mean = tuple(int(round(sum(c[k] * n for c, n in b) / total)) for k in range(3))
            for c, _ in b:
                mapping[c] = len(palette)
            palette.append(mean)
    rows = [[mapping[tuple(min(255, max(0, int(round(v)))) for v in p)] for p in row]
            for row in canvas.pixels]
    return rows, palette


# --- Output -------------------------------------------------------------------------------

def pixel_codes(rows, palette):
    """The pixel byte of each palette index: the most used colours get the
    bytes a string literal holds as they are, which keeps the header small."""
    counts = [0] * len(palette)
    for row in rows:
        for i in row:
            counts[i] += 1
    order = sorted(range(len(palette)), key=lambda i: -counts[i])
    spare = [b for b in range(256) if b not in PLAIN_BYTES]
    codes = [0] * len(palette)
    for rank, i in enumerate(order):
        codes[i] = PLAIN_BYTES[rank] if rank < len(PLAIN_BYTES) else spare[rank - len(PLAIN_BYTES)]
    return codes


def header_text(rows, palette):
    codes = pixel_codes(rows, palette)
    pixel_rows = [bytes(codes[i] for i in row) for row in rows]
    colours = {codes[i]: palette[i] for i in range(len(palette))}
    return ("// Generated by tools/make_title.py; do not edit by hand: change the script and run it\n"
            "// again. The title picture of the splash and About windows, %d x %d pixels in %d\n"
            "// colours, one byte per pixel.\n"
            "#pragma once\n\n"
            "#include <string_view>\n\n"
            "#include \"resources/PaletteImage.h\"\n\n"
            "// clang-format off\n"
            "%s"
            "// clang-format on\n" % (len(rows[0]), len(rows), len(palette),
                                      cpp_image("TitlePictureImage", pixel_rows, colours)))


def check_picture(rows, palette):
    if len(rows) != HEIGHT or any(len(r) != WIDTH for r in rows):
        sys.exit("the title picture must be %d x %d pixels" % (WIDTH, HEIGHT))
    if len(palette) > MAX_COLOURS:
        sys.exit("the title picture has %d colours; at most %d fit" % (len(palette), MAX_COLOURS))
    corner = {rows[y][x] for y in range(VERSION_CORNER[1], HEIGHT)
              for x in range(VERSION_CORNER[0], WIDTH)}
    spread = [max(palette[i][k] for i in corner) - min(palette[i][k] for i in corner)
              for k in range(3)]
    if max(spread) > 24:
        sys.exit("the lower right corner of the title picture must stay plain for the version")


def main(argv):
    preview = None
    if len(argv) == 3 and argv[1] == "--preview":
        preview = argv[2]
    elif len(argv) != 1:
        sys.exit("usage: make_title.py [--preview FILE.png]")
    canvas = draw_picture()
    rows, palette = quantize(canvas, MAX_COLOURS)
    check_picture(rows, palette)
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = os.path.join(root, "src", "ui", "resources", "TitlePicture.h")
    with open(out, "w", newline="\n") as f:
        f.write(header_text(rows, palette))
    print("wrote", out, "with", len(palette), "colours")
    if preview:
        with open(preview, "wb") as f:
            f.write(png_bytes([[palette[i] for i in row] for row in rows]))
        print("wrote", preview)


if __name__ == "__main__":
    main(sys.argv)
