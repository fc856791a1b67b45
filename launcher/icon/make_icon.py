#!/usr/bin/env python3
"""Draws the launcher's icon: a steaming cup of coffee on a blue tile with a
launch arrow, as one 32x32 image with 256 colours (8 bits per pixel).

Writes brindoka.ico (what the executable carries) and brindoka-preview.png
(the same picture, eight times larger, for looking at). Standard library only.
"""
import math
import struct
import sys
import zlib

SIZE = 32
SAMPLES = 4  # supersampling per axis, for smooth edges


def inside_rounded_square(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def distance_to_segment(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    t = ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / ((bx - ax) ** 2 + (by - ay) ** 2)
    t = min(max(t, 0.0), 1.0)
    return math.hypot(x - ax - t * (bx - ax), y - ay - t * (by - ay))


def inside_triangle(x, y, a, b, c):
    def side(p, q):
        return (x - q[0]) * (p[1] - q[1]) - (p[0] - q[0]) * (y - q[1])
    signs = (side(a, b) < 0, side(b, c) < 0, side(c, a) < 0)
    return all(signs) or not any(signs)


def steam(x, y, base_x):
    """A wavy wisp rising from base_x between y=5 and y=12."""
    if not 4.5 <= y <= 12.5:
        return False
    centre = base_x + 1.2 * math.sin((y - 4.5) * 0.9)
    return abs(x - centre) <= 0.8


def colour_at(x, y):
    """RGBA of the picture at a point in 0..32 coordinates."""
    # The cup: a white body, a dark rim of coffee, a handle on the right.
    if inside_ellipse(x, y, 14, 15.5, 8, 1.8):
        return (92, 52, 28, 255)  # coffee surface
    body = 6 <= x <= 22 and 15.5 <= y <= 26 and inside_ellipse(
        x, y, 14, 18, 8.2, 9.5)
    if body:
        shade = 255 - int(40 * (x - 6) / 16)
        return (shade, shade, min(255, shade + 8), 255)
    handle_outer = inside_ellipse(x, y, 22, 20, 4.2, 3.6)
    handle_inner = inside_ellipse(x, y, 22, 20, 2.2, 1.8)
    if handle_outer and not handle_inner and x > 21:
        return (225, 225, 235, 255)
    if inside_ellipse(x, y, 14, 27.2, 10, 1.4):
        return (200, 205, 215, 255)  # saucer
    if any(steam(x, y, bx) for bx in (10.5, 14, 17.5)):
        return (235, 240, 250, 255)
    # The launch arrow in the top right corner: a shaft and its head.
    if distance_to_segment(x, y, (22, 11), (26.5, 6.5)) <= 1.0 or \
            inside_triangle(x, y, (29.5, 3.5), (23.5, 4.5), (28.5, 9.5)):
        return (255, 196, 40, 255)
    if inside_rounded_square(x, y, 1, 1, 31, 31, 6):
        return (51, 102, 204, 255)
    return (0, 0, 0, 0)


def render():
    pixels = []
    for row in range(SIZE):
        line = []
        for column in range(SIZE):
            total = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    r, g, b, a = colour_at(column + (sx + 0.5) / SAMPLES,
                                           row + (sy + 0.5) / SAMPLES)
                    total = [t + v * a / 255 for t, v in zip(total, (r, g, b))] + [total[3] + a]
            count = SAMPLES * SAMPLES
            alpha = total[3] / count
            if alpha == 0:
                line.append((0, 0, 0, 0))
            else:
                line.append(tuple(int(c / count * 255 / alpha) for c in total[:3]) + (int(alpha),))
        pixels.append(line)
    return pixels


def palette():
    """A 6x6x6 colour cube and 40 greys: 256 colours."""
    cube = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    greys = [(v, v, v) for v in (int(i * 255 / 41) for i in range(1, 41))]
    return cube + greys


def nearest(colours, rgb):
    return min(range(len(colours)),
               key=lambda i: sum((c - v) ** 2 for c, v in zip(colours[i], rgb)))


def ico_bytes(pixels, colours):
    # BMP rows run bottom up; the AND mask marks transparent pixels, rows
    # padded to 32 bits.
    indices = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        indices += bytes(nearest(colours, p[:3]) if p[3] >= 128 else 0 for p in row)
        bits = 0
        for column, p in enumerate(row):
            if p[3] < 128:
                bits |= 1 << (31 - column)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(indices) + len(mask), 0, 0, 256, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    image = header + table + bytes(indices) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + image


def png_bytes(pixels, colours, scale):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = bytearray()
    for row in pixels:
        for _ in range(scale):
            raw.append(0)
            for p in row:
                rgb = colours[nearest(colours, p[:3])] if p[3] >= 128 else (255, 255, 255)
                raw += bytes(rgb) * scale
    side = SIZE * scale
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main():
    pixels = render()
    colours = palette()
    with open("brindoka.ico", "wb") as out:
        out.write(ico_bytes(pixels, colours))
    with open("brindoka-preview.png", "wb") as out:
        out.write(png_bytes(pixels, colours, 8))
    return 0


if __name__ == "__main__":
    sys.exit(main())
