#!/usr/bin/python3
"""Draws Pixelnook's artwork: the program icon, the default watermark, the
settings pages' icons, the page list's arrows and the hand cursor shown over
them. Everything is drawn here from simple shapes, so the repository holds no
binary art.

Usage: make_artwork.py OUTPUT_DIR RESOURCE_DIR
  writes OUTPUT_DIR/icons/*.ico and OUTPUT_DIR/marks/mark.png, which ship
  beside the program, and RESOURCE_DIR/hand.cur, which is compiled into it.
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


def write_icon(path, draw, sizes=ICON_SIZES):
    images = [icon_image(draw(size)) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


# The page icons and the arrows are drawn from shapes given as signed distance
# functions on a 32-unit square (negative inside, positive outside), so one
# drawing serves every size. A pixel's coverage is how far its centre lies
# inside the edge, clamped to one pixel: the edges come out antialiased without
# supersampling, and an outline is the same shape grown by a pixel.

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, r=0.0):
    """A rectangle from (x0, y0) to (x1, y1) with corners rounded by r."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def distance(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
    return distance


def stroke(points, r):
    """A line of half-width r through points, with round ends and joints."""
    def segment(ax, ay, bx, by):
        vx, vy = bx - ax, by - ay
        length2 = vx * vx + vy * vy

        def distance(x, y):
            t = min(max(((x - ax) * vx + (y - ay) * vy) / length2, 0), 1)
            return math.hypot(x - ax - t * vx, y - ay - t * vy) - r
        return distance
    return union(*[segment(*a, *b) for a, b in zip(points, points[1:])])


def polygon(points):
    def distance(x, y):
        nearest, inside = float("inf"), False
        for (ax, ay), (bx, by) in zip(points, points[-1:] + points[:-1]):
            ex, ey, wx, wy = bx - ax, by - ay, x - ax, y - ay
            t = min(max((wx * ex + wy * ey) / (ex * ex + ey * ey), 0), 1)
            nearest = min(nearest, math.hypot(wx - t * ex, wy - t * ey))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -nearest if inside else nearest
    return distance


def union(*shapes):
    return lambda x, y: min(shape(x, y) for shape in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def intersect(shape, other):
    return lambda x, y: max(shape(x, y), other(x, y))


def rotated(shape, degrees, cx=16.0, cy=16.0):
    """The shape turned clockwise (on screen) about (cx, cy)."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

    def distance(x, y):
        dx, dy = x - cx, y - cy
        return shape(cx + dx * c + dy * s, cy - dx * s + dy * c)
    return distance


def arc(cx, cy, r, start, end, width, steps=16):
    """A stroke along the circle from angle start to end (degrees, clockwise
    on screen from the positive x axis)."""
    points = []
    for i in range(steps + 1):
        a = math.radians(start + (end - start) * i / steps)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return stroke(points, width)


# One pixel of outline at every size keeps small icons crisp on both the
# list's white and its selection colour.
OUTLINE_PX = 1.0


def fill(shape, rgb, alpha=255):
    return [(shape, rgb + (alpha,), 0.0)]


def outlined(shape, rgb, edge):
    return [(shape, edge + (255,), OUTLINE_PX), (shape, rgb + (255,), 0.0)]


def render(size, layers):
    """Composites layers of (shape, rgba, grow in pixels) bottom to top."""
    scale = size / 32.0
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            ux, uy = (x + 0.5) / scale, (y + 0.5) / scale
            for shape, rgba, grow in layers:
                cover = min(max(0.5 - (shape(ux, uy) * scale - grow), 0.0), 1.0)
                if cover > 0:
                    pixels[y][x] = blend(pixels[y][x], rgba[:3] + (round(rgba[3] * cover),))
    return pixels


WHITE = (255, 255, 255)
INK = (40, 48, 64)


def draw_general(size):
    """A gear: the settings that apply everywhere."""
    teeth = [rotated(box(13.5, 1.5, 18.5, 8, 1), angle) for angle in range(0, 360, 45)]
    wheel = subtract(union(circle(16, 16, 10.5), *teeth), circle(16, 16, 4.5))
    hub = subtract(circle(16, 16, 7), circle(16, 16, 4.5))
    return render(size, outlined(wheel, (150, 160, 176), (64, 72, 88)) +
                  fill(hub, (190, 198, 210)))


def draw_hotkey(size):
    """A key, bit down, lying on the diagonal."""
    bow = subtract(circle(9, 16, 6.5), circle(8, 16, 2.5))
    blade = union(box(14, 14, 29.5, 18, 1), box(21, 17, 24, 22, 0.5), box(26, 17, 29.5, 21, 0.5))
    key = rotated(union(bow, blade), 40)
    return render(size, outlined(key, (240, 190, 60), (140, 96, 16)))


def draw_type(size):
    """A window with cross hairs over it: what a grab takes."""
    window = box(2, 4, 26, 25, 2)
    title = intersect(window, box(2, 4, 26, 10))
    sight = union(subtract(circle(21.5, 21.5, 6.5), circle(21.5, 21.5, 4.5)),
                  stroke([(21.5, 12), (21.5, 17)], 1), stroke([(21.5, 26), (21.5, 31)], 1),
                  stroke([(12, 21.5), (17, 21.5)], 1), stroke([(26, 21.5), (31, 21.5)], 1))
    return render(size, outlined(window, WHITE, (70, 78, 92)) + fill(title, (50, 100, 190)) +
                  [(sight, WHITE + (255,), OUTLINE_PX)] + fill(sight, (210, 40, 40)))


def draw_storage(size):
    """A folder: where grabs are stored."""
    back = union(box(2, 5, 13, 11, 1.5), box(2, 8, 28, 27, 1.5))
    front = polygon([(7, 13), (31, 13), (28, 27), (2, 27)])
    return render(size, outlined(back, (214, 156, 40), (140, 96, 20)) +
                  outlined(front, (250, 204, 80), (140, 96, 20)))


def draw_thumbnail(size):
    """A small landscape picture in a frame."""
    frame = box(2, 6, 30, 27, 1.5)
    view = box(5, 9, 27, 24)
    return render(size, outlined(frame, WHITE, (70, 78, 92)) + fill(view, (120, 180, 240)) +
                  fill(circle(21, 13.5, 2.8), (250, 210, 60)) +
                  fill(intersect(view, circle(11, 35, 15)), (70, 160, 70)) +
                  fill(intersect(view, circle(26, 33, 11)), (40, 124, 56)))


def draw_watermark(size):
    """A water drop: the mark laid over every grab."""
    # The point's sides run on to the circle's tangents, so the outline
    # has no notch where they meet.
    cx, cy, r, tip = 16.0, 19.5, 9.0, 2.0
    turn = math.acos(r / (cy - tip))
    sides = [(cx - r * math.sin(turn), cy - r * math.cos(turn)),
             (cx + r * math.sin(turn), cy - r * math.cos(turn))]
    drop = union(circle(cx, cy, r), polygon([(cx, tip), sides[0], (cx, cy), sides[1]]))
    shine = arc(cx, cy, r - 3.5, 150, 215, 1.2, steps=8)
    return render(size, outlined(drop, (70, 150, 230), (24, 76, 160)) + fill(shine, WHITE, 220))


def draw_background(size):
    """A paint bucket tipped to the right, pouring: the fill behind shaped
    windows."""
    def tipped(shape):
        return rotated(shape, 40, 12, 17)
    bucket = tipped(box(5, 10, 19, 25, 2))
    rim = tipped(box(4, 8.5, 20, 12, 1.5))
    handle = tipped(arc(12, 11, 8, 180, 360, 1.2))
    paint = union(stroke([(22.5, 15.5), (25, 20), (25, 25)], 1.8), box(18, 25, 31, 30, 2.5))
    return render(size, outlined(handle, (120, 126, 138), (56, 60, 70)) +
                  outlined(bucket, (170, 178, 190), (56, 60, 70)) +
                  outlined(paint, (220, 50, 50), (120, 20, 20)) +
                  outlined(rim, (205, 212, 222), (56, 60, 70)))


def draw_info(size):
    """An "i" in a blue disc: what is written into image files."""
    letter = union(circle(16, 9, 2.4), box(12.5, 13, 18.5, 15.5, 0.5), box(14, 13, 18.5, 24.5, 0.5),
                   box(12, 22.5, 20, 25, 0.5))
    return render(size, outlined(circle(16, 16, 14), (44, 112, 210), (20, 60, 140)) +
                  fill(letter, WHITE))


def draw_upload(size):
    """An arrow rising into a cloud: grabs sent to a server."""
    cloud = union(circle(10, 15, 5.5), circle(17.5, 11, 7.5), circle(24.5, 15, 5.5),
                  box(4.5, 13, 30, 20.5, 3.5))
    arrow = union(box(13.5, 18, 18.5, 30, 0.5), polygon([(8.5, 19.5), (23.5, 19.5), (16, 11)]))
    return render(size, outlined(cloud, (236, 243, 252), (88, 118, 160)) +
                  outlined(arrow, (48, 168, 70), (20, 90, 32)))


def draw_help(size):
    """A question mark in a green disc."""
    hook = union(arc(16, 11.5, 5, 165, 390, 1.9),
                 stroke([(16 + 5 * math.cos(math.radians(30)),
                          11.5 + 5 * math.sin(math.radians(30))), (16, 17.5), (16, 19)], 1.9))
    return render(size, outlined(circle(16, 16, 14), (48, 150, 84), (20, 88, 44)) +
                  fill(union(hook, circle(16, 24.5, 2.2)), WHITE))


def draw_about(size):
    """A star: the program itself."""
    points = []
    for i in range(10):
        a = math.radians(-90 + 36 * i)
        r = 14.5 if i % 2 == 0 else 6.2
        points.append((16 + r * math.cos(a), 17 + r * math.sin(a)))
    return render(size, outlined(polygon(points), (252, 204, 56), (176, 116, 16)))


# The page list's arrows: one 16-pixel image each, shown in icon statics.
ARROW_SIZES = (16,)


def draw_up(size):
    return render(size, outlined(polygon([(4, 23), (28, 23), (16, 9)]), (84, 96, 120), INK))


def draw_down(size):
    return render(size, outlined(polygon([(4, 9), (28, 9), (16, 23)]), (84, 96, 120), INK))


# Page icons by the names the settings dialog loads them by.
PAGE_ICONS = {
    "general": draw_general,
    "hotkey": draw_hotkey,
    "type": draw_type,
    "storage": draw_storage,
    "thumbnail": draw_thumbnail,
    "watermark": draw_watermark,
    "background": draw_background,
    "info": draw_info,
    "upload": draw_upload,
    "help": draw_help,
    "about": draw_about,
}


# The hand over the page list's arrows, for systems without their own. A
# two-colour 32 x 32 cursor (white hand, black outline), which every Windows
# version reads; its hot spot is the tip of the pointing finger.
CURSOR_SIZE = 32
HAND_HOT_SPOT = (12, 1)


def draw_hand():
    """The hand as rows of "." (transparent), "#" (black) and "o" (white)."""
    fingers = [box(9.5, 1, 15, 20, 2.7), box(15, 9, 19.5, 20, 2.2),
               box(19.5, 10, 24, 20, 2.2), box(24, 12, 28.5, 21, 2.2)]
    hand = union(*fingers, box(9.5, 15, 28.5, 27, 3.5), box(12, 24, 26, 31, 1),
                 stroke([(4, 16.5), (10.5, 23)], 2.6))

    def inside(shape, x, y):
        return shape(x + 0.5, y + 0.5) <= 0

    rows = []
    for y in range(CURSOR_SIZE):
        row = ""
        for x in range(CURSOR_SIZE):
            if not inside(hand, x, y):
                row += "."
                continue
            edge = any(not inside(hand, x + dx, y + dy)
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            # A line down to the knuckles parts each folded finger from the
            # one on its left.
            knuckle = y < 17 and any(
                inside(f, x, y) and not inside(f, x - 1, y) for f in fingers[1:])
            row += "#" if edge or knuckle else "o"
        rows.append(row)
    return rows


def write_cursor(path, rows, hot_spot):
    """A .cur file with one 1-bit image: XOR bits over the AND mask, each
    32 rows bottom-up, rows padded to 4 bytes."""
    size = len(rows)
    row_bytes = ((size + 31) // 32) * 4
    xor, mask = bytearray(), bytearray()
    for row in reversed(rows):
        xor_row, mask_row = bytearray(row_bytes), bytearray(row_bytes)
        for x, c in enumerate(row):
            bit = 0x80 >> (x % 8)
            if c == "o":
                xor_row[x // 8] |= bit  # palette entry 1: white
            elif c == ".":
                mask_row[x // 8] |= bit  # screen shows through
        xor += xor_row
        mask += mask_row
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack(
        "<BBBBHHII", size, size, 2, 0, hot_spot[0], hot_spot[1], len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)


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
    out, resources = sys.argv[1], sys.argv[2]
    os.makedirs(os.path.join(out, "icons"), exist_ok=True)
    write_icon(os.path.join(out, "icons", "main.ico"), draw_main)
    for name, draw in PAGE_ICONS.items():
        write_icon(os.path.join(out, "icons", name + ".ico"), draw)
    write_icon(os.path.join(out, "icons", "up.ico"), draw_up, ARROW_SIZES)
    write_icon(os.path.join(out, "icons", "down.ico"), draw_down, ARROW_SIZES)
    os.makedirs(resources, exist_ok=True)
    write_cursor(os.path.join(resources, "hand.cur"), draw_hand(), HAND_HOT_SPOT)
    os.makedirs(os.path.join(out, "marks"), exist_ok=True)
    write_png(os.path.join(out, "marks", "mark.png"), draw_mark())


if __name__ == "__main__":
    main()
