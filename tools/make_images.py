#!/usr/bin/env python3
"""Draws the toolbar pictures and the application icon.

Run from anywhere: python3 tools/make_images.py [--preview FOLDER]
It writes src/ui/resources/ToolbarImages.h next to this tools/ folder: the
two toolbar strips (19 pictures of 16 x 15 and of 24 x 23) and the
application icon (32 x 32 and 16 x 16) as byte arrays that the program
turns into images without decoding (PaletteImage). It also writes the
same icon as data/windows/tovelcreator.ico for the Windows program: the
16 and 32 pixel drawings and the 32 pixel one doubled to 64 and 256, so
that large views of it stay crisp. With --preview it also writes enlarged
PNG pictures of them into FOLDER for looking at.

Every picture is drawn here from simple shapes. A shape is given in the
coordinates of the small 16 x 15 picture and drawn at a scale (1 for the
small strip, 1.5 for the large one, 2 for the large icon), so both sizes
come from the same drawing code. A pixel belongs to a shape when at least
half of it is covered. Shapes get a one-pixel dark outline on their inside
edge, which keeps them crisp at every size. Where half a pixel matters
(centres of circles and arrows, the handle of the magnifier) the drawing
picks whole-pixel numbers for each size, and the few details too small for
shapes (the "new" sparkle, letters) are pixel pictures made for each size.
Only the 16 colours of the classic VGA palette are used, plus transparency.
"""

import math
import os
import struct
import sys
import zlib

# The 16 colours of the classic VGA palette, with the character each one
# has in the pictures (and is in the generated pixel bytes).
BLACK = "#"
MAROON = "m"
GREEN = "g"
OLIVE = "o"
NAVY = "n"
PURPLE = "p"
TEAL = "t"
SILVER = "s"
GREY = "d"
RED = "r"
LIME = "l"
YELLOW = "y"
BLUE = "b"
FUCHSIA = "f"
AQUA = "a"
WHITE = "w"
NONE = " "

RGB = {
    BLACK: (0, 0, 0), MAROON: (128, 0, 0), GREEN: (0, 128, 0), OLIVE: (128, 128, 0),
    NAVY: (0, 0, 128), PURPLE: (128, 0, 128), TEAL: (0, 128, 128),
    SILVER: (192, 192, 192), GREY: (128, 128, 128), RED: (255, 0, 0),
    LIME: (0, 255, 0), YELLOW: (255, 255, 0), BLUE: (0, 0, 255),
    FUCHSIA: (255, 0, 255), AQUA: (0, 255, 255), WHITE: (255, 255, 255),
}

SUBSAMPLES = 4  # per pixel side when deciding whether a shape covers a pixel


# --- Shapes: predicates on points of the 16 x 15 design square ---------------

def rect(left, top, right, bottom):
    return lambda x, y: left <= x <= right and top <= y <= bottom


def ellipse(cx, cy, rx, ry=None):
    ry = rx if ry is None else ry
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def polygon(points):
    """The inside of a simple polygon (even-odd rule)."""
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        result = False
        for (x0, y0), (x1, y1) in edges:
            if (y0 > y) != (y1 > y):
                if x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                    result = not result
        return result

    return inside


def segment(x0, y0, x1, y1, width):
    """A bar of the given width between two points, with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= width * width / 4

    return inside


def arc(cx, cy, inner, outer, start, end):
    """A ring piece from angle start to end, in degrees clockwise from the right."""

    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if not inner <= d <= outer:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return (a - start) % 360 <= (end - start) % 360

    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, *holes):
    return lambda x, y: shape(x, y) and not any(h(x, y) for h in holes)


def arrow_head(cx, cy, radius, angle, half_width, length):
    """A triangle on a circle at angle (degrees, clockwise), pointing clockwise."""
    a = math.radians(angle)
    rx, ry = math.cos(a), math.sin(a)  # outwards
    tx, ty = -ry, rx  # clockwise along the circle
    bx, by = cx + radius * rx, cy + radius * ry
    return polygon([(bx + half_width * rx, by + half_width * ry),
                    (bx - half_width * rx, by - half_width * ry),
                    (bx + length * tx, by + length * ty)])


# --- Pictures ------------------------------------------------------------------

class Picture:
    """A grid of colour characters drawn at a scale from design coordinates."""

    def __init__(self, width, height, scale):
        self.width = width
        self.height = height
        self.scale = scale
        self.rows = [[NONE] * width for _ in range(height)]

    @property
    def large(self):
        return self.scale > 1

    def pick(self, small, large):
        """A value that differs between the small and the larger drawings."""
        return large if self.large else small

    def mask(self, shape):
        pixels = set()
        n = SUBSAMPLES
        need = (n * n + 1) // 2
        for py in range(self.height):
            for px in range(self.width):
                hits = 0
                for j in range(n):
                    y = (py + (j + 0.5) / n) / self.scale
                    for i in range(n):
                        if shape((px + (i + 0.5) / n) / self.scale, y):
                            hits += 1
                if hits >= need:
                    pixels.add((px, py))
        return pixels

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    @staticmethod
    def rim(pixels):
        """The pixels of a set that touch a pixel outside it (left, right, above, below)."""
        return [(x, y) for (x, y) in pixels
                if any(p not in pixels for p in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))]

    def fill(self, shape, colour, outline=BLACK):
        """Paints a shape, its inside edge in the outline colour (None: no outline)."""
        pixels = self.mask(shape)
        for (x, y) in pixels:
            self.put(x, y, colour)
        if outline is not None:
            self.edge(shape, outline, pixels)

    def edge(self, shape, colour=BLACK, pixels=None):
        """Paints only the inside edge of a shape."""
        for (x, y) in self.rim(self.mask(shape) if pixels is None else pixels):
            self.put(x, y, colour)

    def in_px(self, shape):
        """A shape given in pixel coordinates, as a shape in design coordinates."""
        return lambda x, y: shape(x * self.scale, y * self.scale)

    def box_px(self, left, top, right, bottom, colour, outline=BLACK):
        """A rectangle over pixels left..right and top..bottom (inclusive)."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                edge = x in (left, right) or y in (top, bottom)
                self.put(x, y, outline if edge and outline is not None else colour)

    def d(self, v):
        """The design coordinate of pixel coordinate v."""
        return v / self.scale

    def line_px(self, x0, y0, x1, y1, colour):
        """A one-pixel line between two pixels."""
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def px(self, v):
        """The pixel that holds design pixel v (a whole design pixel number)."""
        return int(math.floor((v + 0.5) * self.scale))

    def hline(self, x0, x1, y, colour):
        """A one-pixel line over design pixels x0..x1 in design row y."""
        for x in range(self.px(x0), self.px(x1) + 1):
            self.put(x, self.px(y), colour)

    def sprite(self, x, y, art):
        """Copies pixel art (strings of colour characters, space for none) to pixel x, y."""
        for j, row in enumerate(art):
            for i, ch in enumerate(row):
                if ch != NONE:
                    self.put(x + i, y + j, ch)

    def flipped(self):
        """The picture turned upside down."""
        result = Picture(self.width, self.height, self.scale)
        result.rows = [list(r) for r in reversed(self.rows)]
        return result


# Small pixel pictures that do not scale well, one for each size.
SPARKLE = {
    False: ["   o   ",
            "  oyo  ",
            "  oyo  ",
            "ooywyoo",
            "  oyo  ",
            "  oyo  ",
            "   o   "],
    True: ["    o    ",
           "   oyo   ",
           "   oyo   ",
           "  oyyyo  ",
           "ooyywyyoo",
           "  oyyyo  ",
           "   oyo   ",
           "   oyo   ",
           "    o    "],
}

GLYPHS = {
    False: {
        "M": ["#   #",
              "## ##",
              "# # #",
              "#   #",
              "#   #"],
        "x": ["##  ##",
              " #### ",
              "  ##  ",
              " #### ",
              "##  ##"],
        "=": ["####",
              "    ",
              "####"],
    },
    True: {
        "M": ["##   ##",
              "### ###",
              "#######",
              "## # ##",
              "##   ##",
              "##   ##",
              "##   ##"],
        "x": ["##   ##",
              "### ###",
              " ##### ",
              "  ###  ",
              " ##### ",
              "### ###",
              "##   ##"],
        "=": ["######",
              "######",
              "      ",
              "      ",
              "######",
              "######"],
    },
}


def glyph(pic, ch, x, y, colour):
    """Draws a letter with its top left corner at pixel x, y."""
    art = [row.replace("#", colour) for row in GLYPHS[pic.large][ch]]
    pic.sprite(x, y, art)


def glyph_size(pic, ch):
    art = GLYPHS[pic.large][ch]
    return len(art[0]), len(art)


def new_mark(pic):
    """The sparkle in the top left corner of the buttons that make something new."""
    pic.sprite(0, 0, SPARKLE[pic.large])


# --- The toolbar pictures, in button order --------------------------------------

def draw_new(p):
    p.fill(polygon([(2.5, 0), (8.5, 0), (13.5, 5), (13.5, 15), (2.5, 15)]), WHITE)
    p.fill(polygon([(8.5, 0), (8.5, 5), (13.5, 5)]), SILVER)


def draw_open(p):
    p.fill(polygon([(0.5, 1.5), (5.5, 1.5), (7, 3), (13, 3), (13, 14), (0.5, 14)]), OLIVE)
    p.fill(polygon([(0.5, 14), (3.5, 6.5), (16, 6.5), (13, 14)]), YELLOW)


def draw_save(p):
    p.fill(polygon([(0.5, 0.5), (13, 0.5), (15.5, 3), (15.5, 14.5), (0.5, 14.5)]), BLUE)
    p.fill(rect(3.5, 0.5, 12, 6), SILVER)
    p.fill(rect(9, 1.5, 11, 5), NAVY, None)
    p.fill(rect(2.5, 8.5, 13.5, 14.5), WHITE)
    p.hline(5, 11, 10, GREY)
    p.hline(5, 11, 12, GREY)


def draw_refresh(p):
    """Two arrows chasing each other round a circle."""
    if not p.large:
        # Heads along the circle read best at this size.
        c, inner, outer = (7.75, 7.5), 3.2, 6.6
        mid = (inner + outer) / 2
        for start in (185, 5):
            p.fill(union(arc(*c, inner, outer, start, start + 120),
                         arrow_head(*c, mid, start + 115, 3.4, 4.5)), LIME, GREEN)
        return
    # Larger, the heads point straight down (right) and up (left).
    cx, cy = p.d(p.width / 2), p.d(p.height / 2)
    inner, outer, half, length = 3.6, 6.2, 3.2, 3.8
    mid = (inner + outer) / 2
    p.fill(union(arc(cx, cy, inner, outer, 245, 360),
                 polygon([(cx + mid - half, cy), (cx + mid + half, cy), (cx + mid, cy + length)])),
           LIME, GREEN)
    p.fill(union(arc(cx, cy, inner, outer, 65, 180),
                 polygon([(cx - mid + half, cy), (cx - mid - half, cy), (cx - mid, cy - length)])),
           LIME, GREEN)


def landscape(p, left, top, right, bottom):
    """A framed picture: sky, sun and a hill."""
    frame = rect(left, top, right, bottom)
    p.fill(frame, AQUA)
    w, h = right - left, bottom - top
    sun = ellipse(left + w * 0.3, top + h * 0.35, h * 0.16 + 0.6)
    p.fill(lambda x, y: frame(x, y) and sun(x, y), YELLOW, None)
    hill = ellipse(left + w * 0.7, bottom + h * 0.25, w * 0.75, h * 0.75)
    p.fill(lambda x, y: frame(x, y) and hill(x, y), GREEN, None)
    p.edge(frame)


def draw_bitmaps(p):
    p.fill(rect(5.5, 0.5, 15.5, 9), WHITE)
    p.fill(rect(3, 2.5, 13, 11), WHITE)
    landscape(p, 0.5, 5, 11.5, 14.5)


def draw_connections(p):
    """A plug about to go into a socket, each on its cable."""
    if p.large:
        cable, body, prongs, prong_end, socket, slots = (
            (10, 13), (3, 3, 10, 20), ((5, 8), (15, 18)), 14, (16, 1, 21, 22), ((6, 7), (16, 17)))
    else:
        cable, body, prongs, prong_end, socket, slots = (
            (6, 8), (2, 2, 6, 12), ((4, 6), (8, 10)), 9, (11, 1, 14, 13), ((5, 5), (9, 9)))
    p.box_px(-1, cable[0], body[0], cable[1], GREY)
    p.box_px(*body, SILVER)
    for top, bottom in prongs:
        p.box_px(body[2], top, prong_end, bottom, YELLOW)
    p.box_px(socket[2], cable[0], p.width, cable[1], GREY)
    p.box_px(*socket, WHITE)
    for top, bottom in slots:
        p.box_px(socket[0], top, socket[0] + p.pick(1, 2), bottom, BLACK, None)


def magnifier(p):
    """The lens and handle; returns the lens centre in pixels."""
    d = p.d
    c, r, band = p.pick((6.5, 5.4, 2), (10, 8.2, 2))
    start, end = 2 * c + 1.2 * r, p.width + p.height - 3
    p.fill(p.in_px(lambda x, y: abs(x - y) <= band and start <= x + y <= end), MAROON)
    p.fill(ellipse(d(c), d(c), d(r)), AQUA)
    hi = p.pick(1, 2)
    p.fill(arc(d(c), d(c), d(r - 1 - hi), d(r - 1), 190, 260), WHITE, None)
    return c


def plus_minus(p, c, plus):
    d = p.d
    half, arm = p.pick((0.5, 2.5), (1, 4))
    p.fill(rect(d(c - arm), d(c - half), d(c + arm), d(c + half)), BLACK, None)
    if plus:
        p.fill(rect(d(c - half), d(c - arm), d(c + half), d(c + arm)), BLACK, None)


def draw_zoom_in(p):
    plus_minus(p, magnifier(p), True)


def draw_zoom_out(p):
    plus_minus(p, magnifier(p), False)


def draw_new_item(p):
    d = p.d
    left, top, right, bottom = p.pick((3, 5, 15, 14), (5, 8, 23, 21))
    p.fill(rect(d(left), d(top), d(right), d(bottom)), WHITE)
    h = p.pick(1, 1.5)  # the handles at its corners
    for x in (left, right):
        for y in (top, bottom):
            p.fill(rect(d(x - h), d(y - h), d(x + h), d(y + h)), BLACK, None)
    new_mark(p)


def box(p, left, top, right, bottom):
    p.fill(rect(left, top, right, bottom), SILVER)
    p.fill(rect(left + 1.5, top + 1.5, right - 1.5, bottom - 1.5), WHITE, GREY)


def right_arrow(p, left, right, y, colour):
    head = right - 4
    p.fill(polygon([(left, y - 1.5), (head, y - 1.5), (head, y - 3.5), (right, y),
                    (head, y + 3.5), (head, y + 1.5), (left, y + 1.5)]), colour)


def draw_new_input(p):
    box(p, 8.5, 4.5, 15.5, 14.5)
    right_arrow(p, 0.5, 12, 9.5, LIME)
    new_mark(p)


def draw_new_output(p):
    box(p, 2.5, 4.5, 9.5, 14.5)
    right_arrow(p, 6, 15.5, 9.5, RED)
    new_mark(p)


def draw_new_value(p):
    """A dial with a needle, on a stand."""
    d = p.d
    cx, cy, r, base = p.pick((8.5, 12, 7.3, 3), (12.5, 17, 10.8, 4))
    p.fill(minus(ellipse(d(cx), d(cy), d(r)), rect(0, d(cy), 16, 16)), WHITE)
    p.fill(rect(d(cx - r + 0.5), d(cy - 1), d(cx + r - 0.5), d(cy + base - 1)), SILVER)
    band = (d(cx), d(cy), d(r - p.pick(3, 4)), d(r - 1.2))
    p.fill(arc(*band, 180, 240), LIME, None)
    p.fill(arc(*band, 240, 300), YELLOW, None)
    p.fill(arc(*band, 300, 360), RED, None)
    t = math.radians(p.pick(300, 305))
    tip = r - p.pick(2, 2.5)
    hub = (int(cx), int(cy) - 2)
    end = (round(hub[0] + tip * math.cos(t)), round(hub[1] + tip * math.sin(t)))
    for i in range(p.pick(1, 2)):
        p.line_px(hub[0] + i, hub[1], end[0] + i, end[1], BLACK)
    p.fill(ellipse(d(cx), d(cy - 1), d(p.pick(1.2, 2.0))), BLACK, None)
    new_mark(p)


def draw_new_motor(p):
    d = p.d
    cx, cy, r = p.pick((8.5, 9.5, 5.4), (12.5, 13.5, 8.3))
    p.fill(rect(d(cx + r - 1), d(cy - p.pick(1.5, 2)), d(p.width), d(cy + p.pick(1.5, 2))), SILVER)
    p.fill(ellipse(d(cx), d(cy), d(r)), WHITE)
    w, h = glyph_size(p, "M")
    glyph(p, "M", int(cx - w / 2), int(cy - h / 2), NAVY)
    new_mark(p)


def draw_new_variable(p):
    """A named box holding "x =" in the bottom right."""
    left, top, right, bottom = p.pick((0, 5, 15, 14), (0, 8, 23, 21))
    p.box_px(left, top, right, bottom, WHITE)
    gap = p.pick(2, 3)
    (xw, xh), (ew, eh) = glyph_size(p, "x"), glyph_size(p, "=")
    x = (left + right + 1 - (xw + gap + ew)) // 2
    y = (top + bottom + 1 - xh) // 2
    glyph(p, "x", x, y, NAVY)
    glyph(p, "=", x + xw + gap, y + (xh - eh + 1) // 2, NAVY)
    new_mark(p)


def draw_properties(p):
    p.fill(rect(1.5, 0.5, 11.5, 14.5), WHITE)
    for y in (3, 6, 9):
        p.hline(3.5, 9.5, y, GREY)
    p.fill(polygon([(7, 9.5), (10, 12), (15, 5.5), (16, 7.5), (10, 15), (6, 11.5)]), LIME, GREEN)


def draw_move_up(p):
    cx = p.d(p.pick(7.5, 11.5))
    p.fill(polygon([(cx, 0.5), (cx + 6.5, 7), (cx + 3, 7), (cx + 3, 14.5), (cx - 3, 14.5),
                    (cx - 3, 7), (cx - 6.5, 7)]), BLUE, NAVY)


def draw_label(p):
    cy = p.d(p.pick(7.5, 11.5))
    p.fill(polygon([(0.5, cy), (5, cy - 5), (15.5, cy - 5), (15.5, cy + 5), (5, cy + 5)]), YELLOW)
    p.fill(ellipse(4, cy, p.pick(1.0, 1.4)), NONE, BLACK)
    p.hline(7, 13, 5.5, BLACK)
    p.hline(7, 11, 7.5, BLACK)
    p.hline(7, 12, 9.5, BLACK)


def draw_erase(p):
    w = p.pick(4.2, 4.4)
    p.fill(union(segment(2.5, 2, 13.5, 13, w), segment(13.5, 2, 2.5, 13, w)), RED, MAROON)


TOOLBAR = [
    ("New", draw_new),
    ("Open", draw_open),
    ("Save", draw_save),
    ("Refresh bitmaps", draw_refresh),
    ("Bitmap list", draw_bitmaps),
    ("IO connections", draw_connections),
    ("Zoom in", draw_zoom_in),
    ("Zoom out", draw_zoom_out),
    ("New item", draw_new_item),
    ("New input", draw_new_input),
    ("New output", draw_new_output),
    ("New value", draw_new_value),
    ("New motor", draw_new_motor),
    ("New variable", draw_new_variable),
    ("Properties", draw_properties),
    ("Move up", draw_move_up),
    ("Move down", None),  # Move up, upside down
    ("Show labels", draw_label),
    ("Erase", draw_erase),
]


def toolbar_images(width, height, scale):
    images = []
    for name, draw in TOOLBAR:
        if draw is None:
            images.append(images[-1].flipped())
        else:
            pic = Picture(width, height, scale)
            draw(pic)
            images.append(pic)
        check_picture(images[-1], width, height, "the %r button picture" % name)
    return images


def check_picture(pic, width, height, what):
    """Stops with a message if a picture is not the size it must be or is blank."""
    if len(pic.rows) != height or any(len(row) != width for row in pic.rows):
        sys.exit("%s is not %d x %d pixels" % (what, width, height))
    used = {ch for row in pic.rows for ch in row}
    unknown = used - set(RGB) - {NONE}
    if unknown:
        sys.exit("%s uses colours outside the palette: %s" % (what, sorted(unknown)))
    if used <= {NONE}:
        sys.exit("%s is empty" % what)


def app_icon(size):
    """A tovel: a page with a picture item and a yellow text box on it."""
    p = Picture(size, size, size / 16)
    d = p.d
    big = size >= 32
    page, fold = ((3, 0, 28, 31), 7) if big else ((1, 0, 14, 15), 4)
    x0, y0, x1, y1 = page[0], page[1], page[2] + 1, page[3] + 1
    p.fill(polygon([(d(x0), d(y0)), (d(x1 - fold), d(y0)), (d(x1), d(y0 + fold)), (d(x1), d(y1)),
                    (d(x0), d(y1))]), WHITE)
    p.fill(polygon([(d(x1 - fold), d(y0)), (d(x1 - fold), d(y0 + fold)), (d(x1), d(y0 + fold))]),
           SILVER)
    frame, text = ((6, 4, 19, 14), (10, 18, 25, 27)) if big else ((3, 2, 9, 7), (5, 10, 12, 14))
    landscape(p, d(frame[0]), d(frame[1]), d(frame[2] + 1), d(frame[3] + 1))
    p.box_px(*text, YELLOW)
    lines = ((13, 22, 21), (13, 20, 24)) if big else ((7, 10, 12),)
    for lx0, lx1, ly in lines:
        for x in range(lx0, lx1 + 1):
            p.put(x, ly, BLACK)
    return p


def side_by_side(images):
    strip = Picture(sum(i.width for i in images), images[0].height, images[0].scale)
    x = 0
    for image in images:
        for y, row in enumerate(image.rows):
            strip.rows[y][x:x + image.width] = row
        x += image.width
    return strip


# --- Output ----------------------------------------------------------------------

# Bytes that stand for themselves in a C++ string literal.
PLAIN_BYTES = [b for b in range(0x20, 0x7F) if chr(b) not in '"\\?']


def cpp_bytes(data):
    """Bytes as the text of a C++ string literal: printable characters as they
    are, the others as three-digit octal escapes."""
    plain = set(PLAIN_BYTES)
    return "".join(chr(b) if b in plain else "\\%03o" % b for b in data)


def unused_colour(used):
    """A colour that none of the used ones is, for see-through pixels."""
    for blue in range(1, 256):
        if (0, 0, blue) not in used:
            return (0, 0, blue)
    sys.exit("no colour is left for see-through pixels")


def cpp_image(name, rows, colours, transparent=None):
    """A PaletteImage (src/ui/resources/PaletteImage.h) named name: rows are
    bytes objects of one byte per pixel, colours maps each byte used to its
    (red, green, blue), and transparent is the byte of see-through pixels,
    which gets a colour of its own, or None."""
    colours = dict(colours)
    if transparent is not None:
        colours[transparent] = unused_colour(set(colours.values()))
    palette = b"".join(bytes([code]) + bytes(rgb) for code, rgb in sorted(colours.items()))
    lines = ["inline constexpr PaletteImage %s{" % name,
             "    %d, %d," % (len(rows[0]), len(rows)),
             '    std::string_view("%s", %d),' % (cpp_bytes(palette), len(palette)),
             "    std::string_view("]
    lines += ['        "%s"' % cpp_bytes(row) for row in rows]
    lines[-1] += ", %d)," % sum(len(row) for row in rows)
    lines.append("    %d};" % (-1 if transparent is None else transparent))
    return "\n".join(lines) + "\n"


def picture_image(name, pic):
    """A picture as a PaletteImage whose pixel bytes are its colour letters."""
    rows = [bytes(ord(ch) for ch in row) for row in pic.rows]
    used = {ch for row in pic.rows for ch in row} - {NONE}
    return cpp_image(name, rows, {ord(ch): RGB[ch] for ch in used}, ord(NONE))


def header_text(small, large, icon, icon_small):
    parts = [
        "// Generated by tools/make_images.py; do not edit by hand: change the script and run it\n"
        "// again. The toolbar pictures (19 side by side, in button order) and the application\n"
        "// icon, one byte per pixel: the letter of its colour, a blank where it is see-through.\n"
        "#pragma once\n\n"
        "#include <string_view>\n\n"
        "#include \"resources/PaletteImage.h\"\n\n"
        "// clang-format off\n",
        "// 19 pictures of 16 x 15.\n" + picture_image("ToolbarSmallImage", small),
        "// 19 pictures of 24 x 23.\n" + picture_image("ToolbarLargeImage", large),
        "// The application icon, 32 x 32.\n" + picture_image("AppIconImage", icon),
        "// The application icon, 16 x 16.\n" + picture_image("AppIconSmallImage", icon_small),
        "// clang-format on\n",
    ]
    return "\n".join(parts)


def png_bytes(rows):
    """An RGB PNG of rows of (r, g, b) tuples."""
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def rgba_png_bytes(pic, zoom=1):
    """A PNG with transparency of a picture, each pixel zoom x zoom."""
    rows = []
    for row in pic.rows:
        line = b"".join((bytes(RGB[ch]) + b"\xff") if ch != NONE else b"\0\0\0\0"
                        for ch in row for _ in range(zoom))
        rows += [b"\0" + line] * zoom

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", pic.width * zoom, pic.height * zoom, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def ico_bytes(entries):
    """A Windows icon file of (picture, zoom) entries, each stored as PNG."""
    images = [(pic.width * zoom, rgba_png_bytes(pic, zoom)) for pic, zoom in entries]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory, data = b"", b""
    for size, png in images:
        side = 0 if size >= 256 else size  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    return header + directory + data


def write_preview(path, images, zoom, gap=4, background=(236, 233, 216)):
    """The images in a row on a toolbar-like background, each pixel zoom x zoom."""
    width = sum(i.width for i in images) + gap * (len(images) + 1)
    height = max(i.height for i in images) + 2 * gap
    rows = [[background] * width for _ in range(height)]
    x = gap
    for image in images:
        for y, row in enumerate(image.rows):
            for i, ch in enumerate(row):
                if ch != NONE:
                    rows[gap + y][x + i] = RGB[ch]
        x += image.width + gap
    big = []
    for row in rows:
        line = [px for px in row for _ in range(zoom)]
        big += [line] * zoom
    with open(path, "wb") as f:
        f.write(png_bytes(big))


def main(argv):
    preview = None
    if len(argv) == 3 and argv[1] == "--preview":
        preview = argv[2]
    elif len(argv) != 1:
        sys.exit("usage: make_images.py [--preview FOLDER]")
    small = toolbar_images(16, 15, 1)
    large = toolbar_images(24, 23, 1.5)
    icon, icon_small = app_icon(32), app_icon(16)
    check_picture(icon, 32, 32, "the application icon")
    check_picture(icon_small, 16, 16, "the small application icon")
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = os.path.join(root, "src", "ui", "resources", "ToolbarImages.h")
    with open(out, "w", newline="\n") as f:
        f.write(header_text(side_by_side(small), side_by_side(large), icon, icon_small))
    print("wrote", out)
    ico = os.path.join(root, "data", "windows", "tovelcreator.ico")
    os.makedirs(os.path.dirname(ico), exist_ok=True)
    with open(ico, "wb") as f:
        f.write(ico_bytes([(icon_small, 1), (icon, 1), (icon, 2), (icon, 8)]))
    print("wrote", ico)
    if preview:
        os.makedirs(preview, exist_ok=True)
        write_preview(os.path.join(preview, "toolbar-small.png"), small, 4)
        write_preview(os.path.join(preview, "toolbar-small-1x.png"), small, 1)
        write_preview(os.path.join(preview, "toolbar-large.png"), large, 3)
        write_preview(os.path.join(preview, "toolbar-large-1x.png"), large, 1)
        write_preview(os.path.join(preview, "icon.png"), [icon, icon_small], 6)
        write_preview(os.path.join(preview, "icon-1x.png"), [icon, icon_small], 1)
        print("wrote previews to", preview)


if __name__ == "__main__":
    main(sys.argv)
