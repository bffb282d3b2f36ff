#!/usr/bin/env python3
"""Draws Lorvane's own pointer images and program icon.

Writes, next to this script:
  HAND-M.CUR      the hand pointer shown over the push buttons (32x32, hot spot on the fingertip)
  drag.ico        the pointer the file list shows while an entry is dragged (32x32)
  lorvane.png     the program icon, 256x256
  lorvane-48.png  the program icon, 48x48

Only the standard library is used, so the images can be redrawn anywhere:
    python3 resources/draw_resources.py
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# --- pointers: drawn pixel by pixel; K = black outline, W = white fill, . = transparent ---

HAND = [
    "......KK........",
    ".....KWWK.......",
    ".....KWWK.......",
    ".....KWWK.......",
    ".....KWWK.......",
    ".....KWWKKK.....",
    ".....KWWKWWKKK..",
    ".....KWWKWWKWWKK",
    ".KK..KWWKWWKWWKWK",
    "KWWK.KWWWWWWWWKWWK",
    "KWWWKKWWWWWWWWWWWK",
    ".KWWWKWWWWWWWWWWWK",
    "..KWWWWWWWWWWWWWWK",
    "..KWWWWWWWWWWWWWWK",
    "...KWWWWWWWWWWWWWK",
    "...KWWWWWWWWWWWWK.",
    "....KWWWWWWWWWWWK.",
    "....KWWWWWWWWWWK..",
    ".....KWWWWWWWWWK..",
    ".....KWWWWWWWWWK..",
    ".....KKKKKKKKKKK..",
]
HAND_HOTSPOT = (6, 0)  # the tip of the pointing finger

# An up-and-down arrow beside three list lines: "this entry moves up or down the list".
DRAG = [
    "........K........",
    ".......KWK.......",
    "......KWWWK......",
    ".....KWWWWWK.....",
    "....KWWWWWWWK....",
    "...KKKKWWWKKKK...",
    "......KWWWK......",
    "......KWWWK......",
    "......KWWWK......",
    "......KWWWK......",
    "......KWWWK......",
    "......KWWWK......",
    "......KWWWK......",
    "......KWWWK......",
    "...KKKKWWWKKKK...",
    "....KWWWWWWWK....",
    ".....KWWWWWK.....",
    "......KWWWK......",
    ".......KWK.......",
    "........K........",
]
DRAG_LINES = [(5, 8), (10, 6), (15, 8)]  # (row, length) of the list lines right of the arrow


def art_to_pixels(art, size, dx, dy):
    """RGBA rows (top-down) of a size x size image with the art placed at dx, dy."""
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y, row in enumerate(art):
        for x, ch in enumerate(row):
            if ch == "K":
                pixels[y + dy][x + dx] = (0, 0, 0, 255)
            elif ch == "W":
                pixels[y + dy][x + dx] = (255, 255, 255, 255)
    return pixels


def ico_bytes(pixels, kind, hotspot=(0, 0)):
    """An ICO (kind 1) or CUR (kind 2) file holding one 32-bit image with an AND mask."""
    size = len(pixels)
    xor = bytearray()
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + mask
    if kind == 2:
        field1, field2 = hotspot
    else:
        field1, field2 = 1, 32  # planes, bits per pixel
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, field1, field2, len(image),
                        6 + 16)
    return struct.pack("<HHH", 0, kind, 1) + entry + image


def write_cursor_files():
    hand = art_to_pixels(HAND, 32, 2, 1)
    hot = (HAND_HOTSPOT[0] + 2, HAND_HOTSPOT[1] + 1)
    with open(os.path.join(HERE, "HAND-M.CUR"), "wb") as f:
        f.write(ico_bytes(hand, 2, hot))

    drag = art_to_pixels(DRAG, 32, 2, 6)
    for row, length in DRAG_LINES:
        top, left = row + 6, 21
        # A white rim keeps the black line visible on dark backgrounds.
        for y in range(top - 1, top + 3):
            for x in range(left - 1, left + length + 1):
                rim = y in (top - 1, top + 2) or x in (left - 1, left + length)
                drag[y][x] = (255, 255, 255, 255) if rim else (0, 0, 0, 255)
    with open(os.path.join(HERE, "drag.ico"), "wb") as f:
        f.write(ico_bytes(drag, 1))


# --- program icon: drawn with coverage sampling so its edges are smooth ---

def rounded_rect_inside(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and left <= x <= right and top <= y <= bottom


def polygon_inside(x, y, points):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def blend(under, colour, coverage):
    a = coverage * colour[3] / 255.0
    out_a = a + under[3] / 255.0 * (1 - a)
    if out_a <= 0:
        return (0, 0, 0, 0)
    rgb = [
        (colour[k] * a + under[k] * under[3] / 255.0 * (1 - a)) / out_a for k in range(3)
    ]
    return (rgb[0], rgb[1], rgb[2], out_a * 255.0)


def draw_icon(size):
    """The icon on a unit square: a rounded tile, a sound wave and an arrow into a page."""
    samples = 4
    image = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    bars = []
    for i in range(7):
        height = 0.08 + 0.22 * abs(math.sin(i * 0.9 + 0.6))
        x0 = 0.14 + i * 0.055
        bars.append((x0, 0.5 - height, x0 + 0.035, 0.5 + height))
    arrow = [(0.53, 0.455), (0.62, 0.455), (0.62, 0.40), (0.70, 0.50), (0.62, 0.60),
             (0.62, 0.545), (0.53, 0.545)]
    page = [(0.72, 0.27), (0.84, 0.27), (0.89, 0.32), (0.89, 0.73), (0.72, 0.73)]
    fold = [(0.84, 0.27), (0.89, 0.32), (0.84, 0.32)]

    def shapes(u, v):
        """Colour layers covering point (u, v), back to front."""
        layers = []
        if rounded_rect_inside(u, v, 0.04, 0.04, 0.96, 0.96, 0.18):
            t = v
            layers.append((int(40 + 30 * t), int(70 + 40 * t), int(160 - 40 * t), 255))
        for left, top, right, bottom in bars:
            r = (right - left) / 2
            if rounded_rect_inside(u, v, left, top, right, bottom, r):
                layers.append((130, 235, 255, 255))
        if polygon_inside(u, v, arrow):
            layers.append((255, 200, 60, 255))
        if polygon_inside(u, v, page):
            layers.append((250, 250, 250, 255))
        if polygon_inside(u, v, fold):
            layers.append((190, 200, 220, 255))
        if polygon_inside(u, v, page):
            for line in (0.42, 0.50, 0.58):
                if 0.755 <= u <= 0.855 and abs(v - line) <= 0.012:
                    layers.append((70, 90, 150, 255))
        return layers

    for py in range(size):
        for px in range(size):
            counts = {}
            for sy in range(samples):
                for sx in range(samples):
                    u = (px + (sx + 0.5) / samples) / size
                    v = (py + (sy + 0.5) / samples) / size
                    layers = shapes(u, v)
                    key = tuple(layers)
                    counts[key] = counts.get(key, 0) + 1
            pixel = (0.0, 0.0, 0.0, 0.0)
            total = samples * samples
            # Average the sample colours (each sample's layers composited front over back).
            acc = [0.0, 0.0, 0.0, 0.0]
            for layers, n in counts.items():
                colour = (0.0, 0.0, 0.0, 0.0)
                for layer in layers:
                    colour = blend(colour, layer, 1.0)
                w = n / total
                acc[0] += colour[0] * colour[3] / 255.0 * w
                acc[1] += colour[1] * colour[3] / 255.0 * w
                acc[2] += colour[2] * colour[3] / 255.0 * w
                acc[3] += colour[3] * w
            if acc[3] > 0:
                alpha = acc[3] / 255.0
                pixel = (acc[0] / alpha, acc[1] / alpha, acc[2] / alpha, acc[3])
            image[py][px] = pixel
    return [[tuple(int(round(max(0, min(255, c)))) for c in p) for p in row] for row in image]


def png_bytes(pixels):
    height = len(pixels)
    width = len(pixels[0])
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for p in row:
            raw += bytes(p)

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def write_icons():
    for size, name in ((256, "lorvane.png"), (48, "lorvane-48.png")):
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(png_bytes(draw_icon(size)))


if __name__ == "__main__":
    write_cursor_files()
    write_icons()
