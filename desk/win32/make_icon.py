#!/usr/bin/env python3
"""Writes vanedesk.ico, the program icon (resource 128): the browse button's
opened-folder picture at 16 and 32 pixels (desk/ui/BrowseGlyphPattern.cpp
holds the same picture)."""
import struct
import sys

ROWS = [
    "................",
    "..........KKK...",
    ".........K...K.K",
    "..............KK",
    ".KKK.........KKK",
    "KBBBKKKKKKK.....",
    "KBBBBBBBBBK.....",
    "KBBBBBBBBBK.....",
    "KBBBBKKKKKKKKKK.",
    "KBBBKFFFFFFFFFK.",
    "KBBKFFFFFFFFFK..",
    "KBKFFFFFFFFFK...",
    "KKFFFFFFFFFK....",
    "KKKKKKKKKKK.....",
    "................",
    "................",
]


def colour(x, y):
    """RGBA of glyph pixel (x, y), None for a clear one."""
    kind = ROWS[y][x]
    if kind == "K":
        return (0, 0, 0)
    if kind == "B":
        return (255, 255, 255) if (x + y) % 2 == 0 else (255, 255, 0)
    if kind == "F":
        return (128, 128, 0)
    return None


def image(size):
    """One icon image: BITMAPINFOHEADER, 32-bit BGRA rows bottom-up, AND mask."""
    scale = size // 16
    pixels = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(size):
            c = colour(x // scale, y // scale)
            if c is None:
                pixels += bytes((0, 0, 0, 0))
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                pixels += bytes((c[2], c[1], c[0], 255))
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def main(path):
    images = [(16, image(16)), (32, image(32))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "vanedesk.ico")
