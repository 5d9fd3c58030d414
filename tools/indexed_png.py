#!/usr/bin/env python3
"""Turns a reduction written by `pixelnook-tool reduce` (PREFIX.indices.pgm,
one palette index per pixel, and PREFIX.palette.txt) into an indexed PNG with
exactly those indices and that palette, cut to a rectangle of the picture.

    indexed_png.py PREFIX LEFT TOP WIDTH HEIGHT OUT.png
"""
import struct
import sys
import zlib


def read_pgm(path):
    with open(path, "rb") as f:
        data = f.read()
    # "P5\nWIDTH HEIGHT\n255\n" as pixelnook-tool writes it.
    magic, size, maxval, pixels = data.split(b"\n", 3)
    width, height = (int(v) for v in size.split())
    if magic != b"P5" or maxval != b"255" or len(pixels) != width * height:
        sys.exit(f"{path}: not an 8-bit PGM of pixelnook-tool")
    return width, height, pixels


def read_palette(path):
    with open(path) as f:
        lines = f.read().split()
    count = int(lines[1])
    # AARRGGBB; the alpha is left out (these pictures carry no transparency).
    return [bytes.fromhex(entry[2:]) for entry in lines[2 : 2 + count]]


def chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body +
            struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def main():
    prefix, left, top, width, height, out = sys.argv[1:]
    left, top, width, height = int(left), int(top), int(width), int(height)
    full_width, full_height, pixels = read_pgm(prefix + ".indices.pgm")
    palette = read_palette(prefix + ".palette.txt")
    if left + width > full_width or top + height > full_height:
        sys.exit("the rectangle is not inside the picture")
    rows = b"".join(b"\0" + pixels[(top + y) * full_width + left:][:width]
                    for y in range(height))
    with open(out, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)))
        f.write(chunk(b"PLTE", b"".join(palette)))
        f.write(chunk(b"IDAT", zlib.compress(rows, 9)))
        f.write(chunk(b"IEND", b""))


main()
