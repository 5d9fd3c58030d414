#!/usr/bin/python3
"""Draws Pixelnook's artwork: the program icon, the default watermark and,
later, the page icons. Everything is drawn here from simple shapes, so the
repository holds no binary art.

Usage: make_artwork.py OUTPUT_DIR
  (writes OUTPUT_DIR/icons/*.ico and OUTPUT_DIR/marks/mark.png)
"""
import math
import os
import struct
import sys
import zlib

ICON_SIZES = (16, 32, 48)


def blend(under, over):
    """Source-over composite of two (r, g, b, a) tuples with 0..255 channels."""
    a = over[3] / 255.0
    out_a = a + under[3] / 255.0 * (1 - a)
    if out_a == 0:
        return (0, 0, 0, 0)
    mix = [
        round((over[i] * a + under[i] * under[3] / 255.0 * (1 - a)) / out_a)
        for i in range(3)
    ]
    return (mix[0], mix[1], mix[2], round(out_a * 255))


def coverage(inside, x, y, samples=4):
    """Fraction of pixel (x, y) covered by a shape, by supersampling."""
    hits = 0
    for sy in range(samples):
        for sx in range(samples):
            if inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def draw_main(size):
    """A camera-like grabber: a rounded blue body with a white lens and a
    selection corner, readable at 16 pixels."""
    s = size / 32.0
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def rounded_rect(x0, y0, x1, y1, r):
        def inside(x, y):
            cx = min(max(x, x0 + r), x1 - r)
            cy = min(max(y, y0 + r), y1 - r)
            return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        return inside

    def circle(cx, cy, r):
        return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    layers = [
        (rounded_rect(2 * s, 8 * s, 30 * s, 28 * s, 4 * s), (32, 84, 160)),
        (rounded_rect(9 * s, 4 * s, 19 * s, 10 * s, 2 * s), (32, 84, 160)),
        (circle(16 * s, 18 * s, 7.5 * s), (240, 244, 250)),
        (circle(16 * s, 18 * s, 5 * s), (20, 40, 80)),
        (circle(14.5 * s, 16.5 * s, 1.6 * s), (200, 220, 255)),
        (rounded_rect(24 * s, 11 * s, 28 * s, 14 * s, 1 * s), (250, 200, 60)),
    ]
    for y in range(size):
        for x in range(size):
            for inside, rgb in layers:
                c = coverage(inside, x, y)
                if c > 0:
                    pixels[y][x] = blend(pixels[y][x], rgb + (round(255 * c),))
    return pixels


def icon_image(pixels):
    """One ICO image entry: a BITMAPINFOHEADER with doubled height, 32-bit
    BGRA rows bottom-up, then the 1-bit AND mask (rows padded to 4 bytes)."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def write_icon(path, draw):
    images = [icon_image(draw(size)) for size in ICON_SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(ICON_SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


# The default watermark: the program's camera at half opacity, so the grab
# shows through it wherever it is stamped.
MARK_SIZE = 64
MARK_OPACITY = 0.5


def draw_mark():
    return [[(r, g, b, round(a * MARK_OPACITY)) for r, g, b, a in row]
            for row in draw_main(MARK_SIZE)]


def write_png(path, pixels):
    """A straight-alpha RGBA PNG: one IDAT, every row with filter type 0."""
    height, width = len(pixels), len(pixels[0])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main():
    out = sys.argv[1]
    os.makedirs(os.path.join(out, "icons"), exist_ok=True)
    write_icon(os.path.join(out, "icons", "main.ico"), draw_main)
    os.makedirs(os.path.join(out, "marks"), exist_ok=True)
    write_png(os.path.join(out, "marks", "mark.png"), draw_mark())


if __name__ == "__main__":
    main()
