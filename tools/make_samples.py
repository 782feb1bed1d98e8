#!/usr/bin/env python3
"""Writes the sample tovels folder: the sample pictures and tovel files.

Run from anywhere: python3 tools/make_samples.py [samples-folder]
The folder defaults to samples/ next to this tools/ folder. Everything is
drawn here from simple shapes, so running the script again gives the same
bytes.
"""

import math
import os
import struct
import sys

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# The 16 colours of the 4-bit and 8-bit tables, in table order.
STANDARD16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


class Canvas:
    """A picture of colour values (palette indices or RGB tuples), top row first."""

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.rows = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def rect(self, left, top, right, bottom, colour):
        """Fills left <= x < right, top <= y < bottom."""
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, colour)

    def frame(self, left, top, right, bottom, colour):
        for x in range(left, right):
            self.put(x, top, colour)
            self.put(x, bottom - 1, colour)
        for y in range(top, bottom):
            self.put(left, y, colour)
            self.put(right - 1, y, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(self.height):
            for x in range(self.width):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.put(x, y, colour)

    def ring(self, cx, cy, radius, thickness, colour):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if radius - thickness <= d <= radius:
                    self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)


# --- BMP writing ----------------------------------------------------------

def bmp_bytes(canvas, bits, table=None, colours_used=0):
    """A bottom-up BMP with a 40-byte header; rows padded to 4 bytes."""
    table = table or []
    stride = (canvas.width * bits + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(canvas.rows):
        line = bytearray()
        if bits == 24:
            for (r, g, b) in row:
                line += bytes((b, g, r))
        elif bits == 8:
            line += bytes(row)
        elif bits == 4:
            for i in range(0, len(row), 2):
                high = row[i]
                low = row[i + 1] if i + 1 < len(row) else 0
                line.append(high << 4 | low)
        elif bits == 1:
            for i in range(0, len(row), 8):
                byte = 0
                for j, value in enumerate(row[i:i + 8]):
                    byte |= value << (7 - j)
                line.append(byte)
        else:
            raise ValueError("unsupported depth %d" % bits)
        line += bytes(stride - len(line))
        pixels += line
    colour_table = b"".join(bytes((b, g, r, 0)) for (r, g, b) in table)
    offset = 14 + 40 + len(colour_table)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, bits, 0,
                       len(pixels), 2835, 2835, colours_used, 0)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return header + info + colour_table + bytes(pixels)


def check_indices(canvas, count):
    for row in canvas.rows:
        for value in row:
            if not 0 <= value < count:
                raise ValueError("index %r outside a table of %d" % (value, count))


def write_bmp(path, canvas, bits, table=None, colours_used=0):
    if bits <= 8:
        check_indices(canvas, colours_used or len(table))
    with open(path, "wb") as f:
        f.write(bmp_bytes(canvas, bits, table, colours_used))


# --- The pictures ---------------------------------------------------------

def lamp(lit):
    """32x32, 4 bits: a bulb on a screw base; grey when off, yellow with rays when lit."""
    black, dark_grey, grey, yellow, white = 0, 8, 7, 11, 15
    c = Canvas(32, 32, white)
    if lit:
        for angle in range(-150, -20, 32):
            a = math.radians(angle)
            c.line(round(16 + 12 * math.cos(a)), round(12 + 12 * math.sin(a)),
                   round(16 + 15 * math.cos(a)), round(12 + 15 * math.sin(a)), yellow)
        for x0, x1 in ((3, 0), (28, 31)):
            c.line(x0, 13, x1, 13, yellow)
    c.disc(16, 12, 10, black)
    c.disc(16, 12, 9, yellow if lit else grey)
    c.rect(11, 19, 21, 22, yellow if lit else grey)
    c.rect(11, 21, 21, 29, dark_grey)
    for y in (23, 25, 27):
        c.rect(11, y, 21, y + 1, black)
    c.rect(14, 29, 18, 31, black)
    if lit:
        c.disc(12, 9, 2, white)  # a highlight on the glass
    return c


def led(lit):
    """16x16, 1 bit: a dark circle, or a bright one with a highlight."""
    c = Canvas(16, 16, 0)
    c.disc(8, 8, 6.5, 1)
    if lit:
        c.disc(6, 6, 1.5, 0)
    return c


LED_OFF_TABLE = [WHITE, (64, 64, 64)]
LED_ON_TABLE = [WHITE, (255, 32, 32)]


def table256():
    """The 16 standard colours, a 6x6x6 colour cube, then 24 greys."""
    table = list(STANDARD16)
    levels = (0, 51, 102, 153, 204, 255)
    table += [(r, g, b) for r in levels for g in levels for b in levels]
    table += [(8 + 10 * i, 8 + 10 * i, 8 + 10 * i) for i in range(24)]
    assert len(table) == 256
    return table


def pump(running):
    """48x32, 8 bits: pipes, a pump casing and an impeller wheel, blue when running."""
    black, dark_grey, grey, white, blue = 0, 8, 7, 15, 12
    light_grey = 16 + 4 * 36 + 4 * 6 + 4  # (204, 204, 204) in the colour cube
    c = Canvas(48, 32, white)
    c.rect(8, 27, 40, 31, dark_grey)  # foot
    # Outlines first, then the insides, so that casing, neck and outlet pipe
    # join into one shape.
    c.frame(0, 11, 12, 20, black)  # inlet pipe
    c.disc(22, 16, 13, black)  # casing
    c.frame(24, 3, 48, 12, black)  # neck and outlet pipe
    c.rect(0, 12, 12, 19, light_grey)
    c.disc(22, 16, 12, light_grey)
    c.rect(25, 4, 48, 11, light_grey)
    c.rect(25, 11, 35, 14, light_grey)
    wheel = blue if running else grey
    c.disc(22, 16, 8, wheel)
    for k in range(6):
        a = math.radians(k * 60 + (15 if running else 0))
        c.line(22, 16, round(22 + 8 * math.cos(a)), round(16 + 8 * math.sin(a)), black)
    c.ring(22, 16, 8.5, 1, black)
    c.disc(22, 16, 2, black)
    return c


def valve():
    """32x24, 8 bits with 20 colours: a bow-tie valve on a pipe with a handwheel."""
    table = [WHITE, BLACK, (128, 128, 128), (192, 192, 192), (255, 0, 0), (0, 0, 255),
             (0, 128, 0), (255, 255, 0)]
    table += [(40 + 10 * i, 60 + 8 * i, 200 - 6 * i) for i in range(12)]
    assert len(table) == 20
    white, black, grey, light_grey, red = 0, 1, 2, 3, 4
    c = Canvas(32, 24, white)
    c.rect(0, 13, 32, 20, light_grey)
    c.frame(0, 12, 32, 21, black)
    for x in range(7, 25):  # two triangles meeting at the middle
        half = abs(x - 16) * 5 // 9 + 1
        for y in range(16 - half, 17 + half):
            c.put(x, y, grey)
        c.put(x, 16 - half, black)
        c.put(x, 16 + half, black)
    c.rect(15, 4, 17, 16, black)  # stem
    c.rect(9, 2, 24, 5, red)  # handwheel seen from the side
    c.frame(9, 2, 24, 5, black)
    return c, table


def motor(direction):
    """48x32, 24 bits: a motor with fins and a shaft; a green arrow right for
    forward, an orange arrow left for reverse, none when off."""
    body, fins, shaft = (70, 100, 150), (40, 60, 100), (150, 150, 150)
    c = Canvas(48, 32, WHITE)
    c.rect(4, 26, 38, 30, (90, 90, 90))  # feet
    c.rect(4, 6, 38, 27, body)
    c.frame(4, 6, 38, 27, BLACK)
    for x in range(8, 36, 4):
        c.rect(x, 7, x + 1, 11, fins)
        c.rect(x, 22, x + 1, 26, fins)
    c.rect(38, 14, 47, 19, shaft)
    c.frame(38, 14, 47, 19, BLACK)
    if direction:
        colour = (0, 200, 0) if direction > 0 else (255, 140, 0)
        tip, tail = (32, 10) if direction > 0 else (10, 32)
        step = -1 if direction > 0 else 1
        c.rect(min(tip, tail) + 3, 15, max(tip, tail) - 2, 18, colour)
        for i in range(6):  # the arrow head
            x = tip + step * i
            c.rect(x, 16 - i, x + 1, 17 + i, colour)
    return c


def fan():
    """32x32, 24 bits: a four-bladed fan in a round guard."""
    blade, guard = (0, 150, 200), (60, 60, 60)
    c = Canvas(32, 32, WHITE)
    c.ring(16, 16, 15.5, 1.5, guard)
    for y in range(32):
        for x in range(32):
            dx, dy = x + 0.5 - 16, y + 0.5 - 16
            r = math.hypot(dx, dy)
            if 3 <= r <= 12.5:
                a = (math.degrees(math.atan2(dy, dx)) - r * 2.5) % 90
                if a < 40:
                    c.put(x, y, blade)
    c.disc(16, 16, 3.5, BLACK)
    c.disc(16, 16, 1.5, (200, 200, 200))
    return c


def write_pictures(tovels):
    lamps = os.path.join(tovels, "lamps")
    pumps = os.path.join(tovels, "pumps")
    motors = os.path.join(tovels, "motors")
    for folder in (lamps, pumps, motors):
        os.makedirs(folder, exist_ok=True)

    write_bmp(os.path.join(lamps, "lamp_off.bmp"), lamp(False), 4, STANDARD16)
    write_bmp(os.path.join(lamps, "lamp_on.bmp"), lamp(True), 4, STANDARD16)
    write_bmp(os.path.join(lamps, "led_off.bmp"), led(False), 1, LED_OFF_TABLE)
    write_bmp(os.path.join(lamps, "led_on.bmp"), led(True), 1, LED_ON_TABLE)

    write_bmp(os.path.join(pumps, "pump_off.bmp"), pump(False), 8, table256())
    write_bmp(os.path.join(pumps, "pump_on.bmp"), pump(True), 8, table256())
    valve_canvas, valve_table = valve()
    write_bmp(os.path.join(pumps, "valve.bmp"), valve_canvas, 8, valve_table, len(valve_table))

    write_bmp(os.path.join(motors, "motor_off.bmp"), motor(0), 24)
    write_bmp(os.path.join(motors, "motor_fd.bmp"), motor(1), 24)
    write_bmp(os.path.join(motors, "motor_rev.bmp"), motor(-1), 24)
    write_bmp(os.path.join(motors, "FAN.BMP"), fan(), 24)


# --- The tovel files -------------------------------------------------------

def picture(left, top, width, height, slots, flags=0):
    return (left, top, left + width, top + height, flags, [str(s) for s in slots])


def label(left, top, right, bottom, text, flags=0x12):
    return (left, top, right, bottom, flags, [text, "-1", "-1", "-1"])


def reading(left, top, right, bottom):
    return (left, top, right, bottom, 0x2A, ["0", "0", "0", "0"])


def links(rows, count, width):
    table = [[-1] * width for _ in range(count)]
    for row, entries in rows.items():
        table[row][:len(entries)] = entries
    return table


def tovel_text(bitmaps, items, inputs=None, outputs=None, values=None, motors=None,
               variables=None):
    lines = ["%d;%d;" % (len(items), len(bitmaps)), "".join(name + ";" for name in bitmaps)]
    for (left, top, right, bottom, flags, contents) in items:
        assert 0 <= left < right <= 400 and 0 <= top < bottom <= 320
        assert all("," not in c and ";" not in c for c in contents)
        lines.append("%d,%d,%d,%d,%d,%s;" % (left, top, right, bottom, flags, ",".join(contents)))
    for table in (links(inputs or {}, 8, 3), links(outputs or {}, 8, 3),
                  links(values or {}, 4, 2), links(motors or {}, 4, 4),
                  links(variables or {}, 8, 1)):
        lines += [",".join(str(e) for e in row) + ";" for row in table]
    assert len(lines) == 34 + len(items)
    return "\r\n".join(lines) + "\r\n"


def lighthouse():
    bitmaps = ["lamps\\lamp_off.bmp", "lamps\\lamp_on.bmp", "lamps\\led_off.bmp",
               "Lamps\\LED_ON.bmp"]  # written in other letter case than on disk
    items = [
        picture(184, 60, 32, 32, (0, 1, -1, -1), 0x40),  # 0 beacon, output 1
        picture(120, 200, 16, 16, (2, 3, -1, -1)),  # 1 fog light, output 2
        picture(264, 200, 16, 16, (2, 3, -1, -1), 0x01 | 0x04),  # 2 push button, input 1
        reading(170, 250, 230, 270),  # 3 flashes counted, variable 1
        label(150, 20, 250, 40, "Lighthouse", 0x12 | 0x08 | 0x20),
        label(170, 96, 230, 112, "beacon"),
        label(96, 220, 160, 236, "fog light"),
        label(244, 220, 300, 236, "test"),
        label(110, 252, 166, 268, "flashes"),
    ]
    return tovel_text(bitmaps, items, inputs={0: [2]}, outputs={0: [0], 1: [1]},
                      variables={0: [3]})


def pump_house():
    bitmaps = ["pumps\\pump_off.bmp", "pumps\\pump_on.bmp", "pumps\\valve.bmp",
               "lamps\\lamp_off.bmp", "lamps\\lamp_on.bmp", "motors\\motor_off.bmp",
               "motors\\motor_fd.bmp", "motors\\motor_rev.bmp"]
    items = [
        picture(40, 60, 48, 32, (0, 1, -1, -1), 0x40),  # 0 pump, output 1
        picture(120, 64, 32, 24, (2, 2, -1, -1)),  # 1 valve, output 2
        picture(40, 160, 32, 32, (3, 4, -1, -1)),  # 2 float lamp, input 1
        picture(240, 60, 48, 32, (5, 6, 5, 7), 0x40),  # 3 stirrer, motor A
        reading(240, 160, 300, 180),  # 4 level, value 1
        label(80, 168, 120, 184, "in 1", 0x3B),  # 5 also switches input 1
        label(40, 40, 88, 56, "pump"),
        label(112, 40, 160, 56, "valve"),
        label(236, 40, 292, 56, "stirrer"),
        label(240, 140, 300, 156, "level"),
        label(130, 280, 270, 300, "Pump house", 0x12 | 0x08 | 0x20),
    ]
    return tovel_text(bitmaps, items, inputs={0: [2, 5]}, outputs={0: [0], 1: [1]},
                      values={0: [4]}, motors={0: [3]})


def conveyor():
    bitmaps = ["motors\\motor_off.bmp", "motors\\motor_fd.bmp", "motors\\motor_rev.bmp",
               "MOTORS\\FAN.BMP", "lamps\\led_off.bmp", "lamps\\led_on.bmp"]
    items = [
        picture(40, 100, 48, 32, (0, 1, 0, 2), 0x40),  # 0 belt drive, motor A
        picture(300, 100, 48, 32, (0, 1, 0, 2), 0x40),  # 1 tipper, motor B
        picture(184, 30, 32, 32, (3, 3, -1, -1)),  # 2 cooling fan, output 1
        picture(100, 220, 16, 16, (4, 5, -1, -1)),  # 3 start sensor, input 1
        picture(284, 220, 16, 16, (4, 5, -1, -1)),  # 4 end sensor, input 2
        reading(170, 160, 230, 180),  # 5 belt speed, value 1
        label(40, 140, 300, 150, "belt", 0x12 | 0x08),  # the belt itself
        label(40, 80, 104, 96, "belt drive"),
        label(300, 80, 356, 96, "tipper"),
        label(170, 66, 230, 82, "fan"),
        label(80, 240, 136, 256, "start"),
        label(266, 240, 318, 256, "end"),
        label(170, 184, 230, 200, "speed"),
    ]
    return tovel_text(bitmaps, items, inputs={0: [3], 1: [4]}, outputs={0: [2]},
                      values={0: [5]}, motors={0: [0], 1: [1]})


def write_tovels(tovels):
    for name, text in (("Lighthouse", lighthouse()), ("PumpHouse", pump_house()),
                       ("Conveyor", conveyor())):
        with open(os.path.join(tovels, name), "wb") as f:
            f.write(text.encode("cp1252"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    samples = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "samples")
    tovels = os.path.join(samples, "tovels")
    write_pictures(tovels)
    write_tovels(tovels)


if __name__ == "__main__":
    main()
