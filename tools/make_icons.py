#!/usr/bin/env python3
"""Draws the application icon for the Linux desktop (the hicolor icon theme).

Run from anywhere: python3 tools/make_icons.py
It writes data/icons/hicolor/SIZExSIZE/apps/ID.png for the sizes 16, 24, 32,
48, 64, 128 and 256, and data/icons/hicolor/scalable/apps/ID.svg, where ID
is the application id of the desktop entry and the metainfo.

The icon is the program's own (tools/make_images.py, app_icon): a page with
a folded corner, a framed landscape and a yellow text box. The 16 and 32
pixel pictures are those drawings; 64, 128 and 256 are the 32 pixel one
with each pixel doubled, quadrupled or made 8 x 8, as in the Windows icon
file; 24 and 48 draw the 32 pixel design at three quarters and one and a
half times its size. The SVG draws the same design as shapes on a 32 x 32
grid, with the outlines inside the shapes as the pixel pictures have them.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_images as mi  # noqa: E402

APP_ID = "io.github.tovelcreator.TovelCreator"

# The 32 pixel design of make_images.app_icon, in pixels of that picture:
# inclusive pixel boxes (left, top, right, bottom), the page's fold and the
# text box's lines (first x, last x, y).
PAGE = (3, 0, 28, 31)
FOLD = 7
FRAME = (6, 4, 19, 14)
TEXT = (10, 18, 25, 27)
LINES = ((13, 22, 21), (13, 20, 24))


def scaled_icon(size):
    """The 32 pixel design drawn at another size, each edge rounded to a pixel."""
    p = mi.Picture(size, size, size / 16)
    k = size / 32

    def at(v):
        return int(round(v * k))

    def box(left, top, right, bottom):
        """An inclusive pixel box of the design, in pixels of this size."""
        return at(left), at(top), at(right + 1) - 1, at(bottom + 1) - 1

    d = p.d
    x0, y0, x1, y1 = box(*PAGE)
    x1, y1 = x1 + 1, y1 + 1
    fold = at(FOLD)
    p.fill(mi.polygon([(d(x0), d(y0)), (d(x1 - fold), d(y0)), (d(x1), d(y0 + fold)),
                       (d(x1), d(y1)), (d(x0), d(y1))]), mi.WHITE)
    p.fill(mi.polygon([(d(x1 - fold), d(y0)), (d(x1 - fold), d(y0 + fold)),
                       (d(x1), d(y0 + fold))]), mi.SILVER)
    frame = box(*FRAME)
    mi.landscape(p, d(frame[0]), d(frame[1]), d(frame[2] + 1), d(frame[3] + 1))
    p.box_px(*box(*TEXT), mi.YELLOW)
    for lx0, lx1, ly in LINES:
        left, top, right, _ = box(lx0, ly, lx1, ly)
        for x in range(left, right + 1):
            p.put(x, top, mi.BLACK)
    return p


def zoomed(pic, zoom):
    """A picture with each pixel made zoom x zoom."""
    result = mi.Picture(pic.width * zoom, pic.height * zoom, pic.scale * zoom)
    result.rows = [[ch for ch in row for _ in range(zoom)] for row in pic.rows for _ in range(zoom)]
    return result


def colour(ch):
    return "#%02x%02x%02x" % mi.RGB[ch]


def svg_text():
    """The design as an SVG drawing on the 32 x 32 grid of the pixel picture."""
    page_l, page_t, page_r, page_b = PAGE[0], PAGE[1], PAGE[2] + 1, PAGE[3] + 1
    fl, ft, fr, fb = FRAME[0], FRAME[1], FRAME[2] + 1, FRAME[3] + 1
    w, h = fr - fl, fb - ft
    # The landscape's sun and hill, as landscape() places them (its sizes
    # are in design units of half a pixel here).
    sun_x, sun_y, sun_r = fl + w * 0.3, ft + h * 0.35, (h / 2 * 0.16 + 0.6) * 2
    hill_x, hill_y, hill_rx, hill_ry = fl + w * 0.7, fb + h * 0.25, w * 0.75, h * 0.75
    tl, tt, tr, tb = TEXT[0], TEXT[1], TEXT[2] + 1, TEXT[3] + 1
    fold_x = page_r - FOLD
    black = colour(mi.BLACK)
    # Outlines one unit wide lie inside each shape: the paths run half a
    # unit in from the shape's edge.
    lines = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        "  <title>TovelCreator</title>",
        '  <defs><clipPath id="frame"><rect x="%g" y="%g" width="%g" height="%g"/></clipPath></defs>'
        % (fl, ft, w, h),
        '  <g stroke="%s" stroke-width="1" stroke-linejoin="miter" stroke-miterlimit="2">' % black,
        '    <path d="M%g,%g H%g L%g,%g V%g H%g Z" fill="%s"/>'
        % (page_l + 0.5, page_t + 0.5, fold_x - 0.2, page_r - 0.5, FOLD + 0.2, page_b - 0.5,
           page_l + 0.5, colour(mi.WHITE)),
        '    <path d="M%g,%g V%g H%g Z" fill="%s"/>'
        % (fold_x + 0.5, page_t + 0.5, FOLD + 0.5, page_r - 0.5, colour(mi.SILVER)),
        '    <g clip-path="url(#frame)" stroke="none">',
        '      <rect x="%g" y="%g" width="%g" height="%g" fill="%s"/>'
        % (fl, ft, w, h, colour(mi.AQUA)),
        '      <circle cx="%.2f" cy="%.2f" r="%.2f" fill="%s"/>'
        % (sun_x, sun_y, sun_r, colour(mi.YELLOW)),
        '      <ellipse cx="%.2f" cy="%.2f" rx="%.2f" ry="%.2f" fill="%s"/>'
        % (hill_x, hill_y, hill_rx, hill_ry, colour(mi.GREEN)),
        "    </g>",
        '    <rect x="%g" y="%g" width="%g" height="%g" fill="none"/>'
        % (fl + 0.5, ft + 0.5, w - 1, h - 1),
        '    <rect x="%g" y="%g" width="%g" height="%g" fill="%s"/>'
        % (tl + 0.5, tt + 0.5, tr - tl - 1, tb - tt - 1, colour(mi.YELLOW)),
    ]
    for lx0, lx1, ly in LINES:
        lines.append('    <path d="M%g,%g H%g"/>' % (lx0, ly + 0.5, lx1 + 1))
    lines += ["  </g>", "</svg>"]
    return "\n".join(lines) + "\n"


def main(argv):
    if len(argv) != 1:
        sys.exit("usage: make_icons.py")
    icon, icon_small = mi.app_icon(32), mi.app_icon(16)
    pictures = {16: icon_small, 24: scaled_icon(24), 32: icon, 48: scaled_icon(48),
                64: zoomed(icon, 2), 128: zoomed(icon, 4), 256: zoomed(icon, 8)}
    root = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                        "data", "icons", "hicolor")
    for size, pic in pictures.items():
        mi.check_picture(pic, size, size, "the %d pixel icon" % size)
        folder = os.path.join(root, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, APP_ID + ".png")
        with open(path, "wb") as f:
            f.write(mi.rgba_png_bytes(pic))
        print("wrote", path)
    folder = os.path.join(root, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, APP_ID + ".svg")
    with open(path, "w", newline="\n") as f:
        f.write(svg_text())
    print("wrote", path)


if __name__ == "__main__":
    main(sys.argv)
