#!/usr/bin/env python3
"""Draws the application icon: the SVG and the hicolor PNGs beside this script.

A green tile (the main window's green) holding a photo print with a sun over
green hills. Run it again after changing the shapes; it needs nothing beyond
Python's standard library.
"""
import math
import os
import struct
import zlib

NAME = "org.lumetta.Lumetta"
SIZES = (16, 32, 48, 64, 128, 256)
HERE = os.path.dirname(os.path.abspath(__file__))

TILE = (16, 16, 240, 240, 44)           # left, top, right, bottom, corner radius
PRINT = (48, 64, 208, 192)
PICTURE = (60, 76, 196, 166)
SUN = (158, 104, 15)                    # centre x, y, radius
HILLS = [(60, 166), (60, 140), (104, 104), (132, 132), (156, 114), (196, 150), (196, 166)]

GREEN = (0, 128, 0)
DARK_GREEN = (0, 88, 0)
WHITE = (255, 255, 255)
SKY = (255, 255, 144)
SUN_COLOUR = (255, 153, 0)
HILL_COLOUR = (34, 110, 50)


def in_round_rect(x, y, rect):
    left, top, right, bottom, r = rect
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + r), right - r)
    cy = min(max(y, top + r), bottom - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_rect(x, y, rect):
    left, top, right, bottom = rect
    return left <= x <= right and top <= y <= bottom


def in_polygon(x, y, points):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def colour_at(x, y):
    """The colour and opacity of one point of the 256-unit drawing."""
    if not in_round_rect(x, y, TILE):
        return None
    inner = (TILE[0] + 6, TILE[1] + 6, TILE[2] - 6, TILE[3] - 6, TILE[4] - 6)
    colour = GREEN if in_round_rect(x, y, inner) else DARK_GREEN
    if in_rect(x, y, PRINT):
        colour = WHITE
    if in_rect(x, y, PICTURE):
        colour = SKY
        if (x - SUN[0]) ** 2 + (y - SUN[1]) ** 2 <= SUN[2] ** 2:
            colour = SUN_COLOUR
        if in_polygon(x, y, HILLS):
            colour = HILL_COLOUR
    return colour


def render(size, samples=4):
    rows = []
    scale = 256.0 / size
    for py in range(size):
        row = bytearray([0])  # filter: none
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    c = colour_at(x, y)
                    if c is not None:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        a += 1
            n = samples * samples
            if a:
                row += bytes((r // a, g // a, b // a, round(255 * a / n)))
            else:
                row += bytes((0, 0, 0, 0))
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b"")


def hex_colour(c):
    return "#%02x%02x%02x" % c


def svg():
    left, top, right, bottom, r = TILE
    points = " ".join("%d,%d" % p for p in HILLS)
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <rect x="{left}" y="{top}" width="{right - left}" height="{bottom - top}" rx="{r}" fill="{hex_colour(DARK_GREEN)}"/>
  <rect x="{left + 6}" y="{top + 6}" width="{right - left - 12}" height="{bottom - top - 12}" rx="{r - 6}" fill="{hex_colour(GREEN)}"/>
  <rect x="{PRINT[0]}" y="{PRINT[1]}" width="{PRINT[2] - PRINT[0]}" height="{PRINT[3] - PRINT[1]}" fill="{hex_colour(WHITE)}"/>
  <rect x="{PICTURE[0]}" y="{PICTURE[1]}" width="{PICTURE[2] - PICTURE[0]}" height="{PICTURE[3] - PICTURE[1]}" fill="{hex_colour(SKY)}"/>
  <circle cx="{SUN[0]}" cy="{SUN[1]}" r="{SUN[2]}" fill="{hex_colour(SUN_COLOUR)}"/>
  <polygon points="{points}" fill="{hex_colour(HILL_COLOUR)}"/>
</svg>
"""


def main():
    scalable = os.path.join(HERE, "scalable")
    os.makedirs(scalable, exist_ok=True)
    with open(os.path.join(scalable, NAME + ".svg"), "w", encoding="utf-8") as f:
        f.write(svg())
    for size in SIZES:
        folder = os.path.join(HERE, "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, NAME + ".png"), "wb") as f:
            f.write(png(size, render(size)))


if __name__ == "__main__":
    main()
