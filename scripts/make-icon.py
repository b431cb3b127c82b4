#!/usr/bin/env python3
"""Draws the tool's icon, a white note on a teal tile with a gold link, and
writes it as a Windows .ico with 16x16 and 32x32 images (32-bit BGRA).

    scripts/make-icon.py src/window/quorvel.ico
"""
import struct
import sys

SUPERSAMPLE = 4
TEAL = (0x1F, 0x6F, 0x78)
WHITE = (0xFF, 0xFF, 0xFF)
GOLD = (0xF2, 0xB6, 0x32)


def inside_tile(x, y):
    """A square with rounded corners filling the unit square."""
    r = 0.18
    cx = min(max(x, r), 1 - r)
    cy = min(max(y, r), 1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def inside_note(x, y):
    """An eighth note: a tilted oval head, a stem and a flag."""
    dx, dy = x - 0.40, y - 0.72
    u, v = 0.87 * dx + 0.5 * dy, -0.5 * dx + 0.87 * dy
    head = (u / 0.15) ** 2 + (v / 0.10) ** 2 <= 1
    stem = 0.50 <= x <= 0.57 and 0.20 <= y <= 0.70
    flag = 0.57 <= x <= 0.57 + 0.20 * (1 - (y - 0.20) / 0.22) and 0.20 <= y <= 0.42
    return head or stem or flag


def inside_link(x, y):
    """A small ring at the lower right: the chain of the game."""
    d = ((x - 0.76) ** 2 + (y - 0.76) ** 2) ** 0.5
    return 0.07 <= d <= 0.13


def colour_at(x, y):
    if not inside_tile(x, y):
        return None
    if inside_note(x, y):
        return WHITE
    if inside_link(x, y):
        return GOLD
    return TEAL


def render(size):
    """Rows of (b, g, r, a), top row first, averaged over a sample grid."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(n):
                for sx in range(n):
                    c = colour_at((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size)
                    if c:
                        covered += 1
                        total = [t + v for t, v in zip(total, c)]
            if covered:
                r, g, b = (t // covered for t in total)
                row.append((b, g, r, 255 * covered // (n * n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bitmap(size):
    """A DIB as icons store it: double height, bottom-up colour rows, then
    an AND mask that the alpha channel makes redundant (all zero)."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(channel for px in row for channel in px)
                      for row in reversed(render(size)))
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + bytes(mask_row * size)


def icon(sizes):
    images = [bitmap(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(icon([16, 32]))
