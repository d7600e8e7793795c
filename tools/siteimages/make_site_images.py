#!/usr/bin/env python3
"""Draws the tree icons (GIF89a) and the two navigation arrows (PNG with alpha)
that vanecore stores for every published site.

Run once after changing a drawing; the results are committed:
    python3 tools/siteimages/make_site_images.py engine/html/assets
Standard library only.
"""
import os
import struct
import sys
import zlib

T = None  # transparent pixel

GREY = (128, 128, 128)
DARK = (64, 64, 64)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
YELLOW = (255, 214, 90)
OCHRE = (196, 150, 40)
BLUE = (60, 110, 200)
LIGHTBLUE = (170, 200, 240)
GREEN = (60, 160, 80)
RED = (200, 60, 60)
SILVER = (200, 200, 210)


class Canvas:
    def __init__(self, width, height):
        self.w = width
        self.h = height
        self.px = [[T] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.set(x, y0, colour)
            self.set(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.set(x0, y, colour)
            self.set(x1, y, colour)

    def dotted_v(self, x, y0, y1):
        for y in range(y0, y1 + 1):
            if y % 2 == 0:
                self.set(x, y, GREY)

    def dotted_h(self, y, x0, x1):
        for x in range(x0, x1 + 1):
            if x % 2 == 0:
                self.set(x, y, GREY)

    def disc(self, cx, cy, r, colour):
        for y in range(self.h):
            for x in range(self.w):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.set(x, y, colour)

    def ring(self, cx, cy, r, colour):
        for y in range(self.h):
            for x in range(self.w):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if (r - 0.5) ** 2 <= d <= (r + 0.5) ** 2:
                    self.set(x, y, colour)


# ---- tree lines -----------------------------------------------------------

MID = 9  # the line column and row of the 18-pixel line icons


def lines(c, down=True, right=True, up=True):
    if up:
        c.dotted_v(MID, 0, MID)
    if down:
        c.dotted_v(MID, MID, c.h - 1)
    if right:
        c.dotted_h(MID, MID, c.w - 1)


def box(c, plus):
    c.rect(MID - 4, MID - 4, MID + 4, MID + 4, WHITE)
    c.frame(MID - 4, MID - 4, MID + 4, MID + 4, GREY)
    c.rect(MID - 2, MID, MID + 2, MID, BLACK)
    if plus:
        c.rect(MID, MID - 2, MID, MID + 2, BLACK)


def line_icon(kind):
    c = Canvas(18, 18)
    bottom = kind.endswith("bottom")
    base = kind[:-6] if bottom else kind
    if base == "line":
        lines(c, right=False)
    elif base in ("join", "plus", "minus"):
        lines(c, down=not bottom)
        if base != "join":
            box(c, base == "plus")
    elif base.startswith("nolines_"):
        box(c, base == "nolines_plus")
    return c


# ---- pictures -------------------------------------------------------------

def folder(c, open_=False, mark=None):
    c.rect(2, 4, 7, 5, OCHRE)
    c.rect(1, 6, 16, 15, YELLOW)
    c.frame(1, 6, 16, 15, OCHRE)
    if open_:
        for i, y in enumerate(range(9, 16)):
            c.rect(3 + i // 2, y, 17 - (6 - i) // 3, y, (255, 235, 150))
        c.rect(3, 9, 17, 9, OCHRE)
    if mark == "image":
        c.rect(6, 9, 12, 13, WHITE)
        c.frame(6, 9, 12, 13, DARK)
        c.set(8, 11, GREEN)
        c.set(9, 12, GREEN)
        c.set(10, 11, GREEN)
        c.set(11, 10, BLUE)
    elif mark == "music":
        c.rect(10, 8, 10, 13, BLACK)
        c.rect(10, 8, 12, 8, BLACK)
        c.rect(8, 12, 9, 13, BLACK)
    return c


def page():
    c = Canvas(18, 18)
    c.rect(4, 2, 14, 16, WHITE)
    c.frame(4, 2, 14, 16, DARK)
    for y in (5, 7, 9, 11, 13):
        c.rect(6, y, 12, y, GREY)
    c.rect(12, 2, 14, 4, T)
    c.set(12, 2, DARK)
    c.rect(12, 3, 12, 4, DARK)
    c.rect(13, 4, 14, 4, DARK)
    c.set(13, 3, DARK)
    return c


def base():
    c = Canvas(19, 18)
    c.rect(3, 3, 15, 12, SILVER)
    c.frame(3, 3, 15, 12, DARK)
    c.rect(5, 5, 13, 10, LIGHTBLUE)
    c.rect(7, 13, 11, 14, DARK)
    c.rect(4, 15, 14, 16, SILVER)
    c.frame(4, 15, 14, 16, DARK)
    return c


def globe():
    c = Canvas(19, 18)
    c.disc(9, 9, 7, LIGHTBLUE)
    c.rect(5, 6, 8, 9, GREEN)
    c.rect(10, 10, 13, 12, GREEN)
    c.rect(2, 9, 16, 9, BLUE)
    c.rect(9, 2, 9, 16, BLUE)
    c.ring(9, 9, 7, BLUE)
    return c


def cd():
    c = Canvas(19, 17)
    c.disc(9, 8, 7, SILVER)
    c.ring(9, 8, 7, DARK)
    c.disc(9, 8, 2, WHITE)
    c.ring(9, 8, 2, DARK)
    c.set(6, 4, WHITE)
    c.set(5, 5, WHITE)
    return c


def question():
    c = Canvas(18, 18)
    c.disc(9, 9, 7, BLUE)
    for x, y in ((7, 5), (8, 4), (9, 4), (10, 4), (11, 5), (11, 6), (10, 7), (9, 8), (9, 9), (9, 10)):
        c.set(x, y, WHITE)
        c.set(x, y + 0, WHITE)
    c.rect(9, 12, 9, 13, WHITE)
    return c


def trash():
    c = Canvas(18, 18)
    c.rect(3, 4, 14, 5, DARK)
    c.rect(7, 2, 10, 3, DARK)
    c.rect(4, 6, 13, 16, SILVER)
    c.frame(4, 6, 13, 16, DARK)
    for x in (6, 9, 11):
        c.rect(x, 8, x, 14, GREY)
    return c


def icons():
    result = {}
    result["base.gif"] = base()
    result["cd.gif"] = cd()
    result["empty.gif"] = Canvas(18, 18)
    result["folder.gif"] = folder(Canvas(18, 18))
    result["folderopen.gif"] = folder(Canvas(18, 18), open_=True)
    result["globe.gif"] = globe()
    result["imgfolder.gif"] = folder(Canvas(18, 18), mark="image")
    for name in ("join", "joinbottom", "line", "minus", "minusbottom"):
        result[name + ".gif"] = line_icon(name)
    result["musicfolder.gif"] = folder(Canvas(18, 18), mark="music")
    result["nolines_minus.gif"] = line_icon("nolines_minus")
    result["nolines_plus.gif"] = line_icon("nolines_plus")
    result["page.gif"] = page()
    result["plus.gif"] = line_icon("plus")
    result["plusbottom.gif"] = line_icon("plusbottom")
    result["question.gif"] = question()
    result["trash.gif"] = trash()
    return result


# ---- GIF89a ---------------------------------------------------------------

def gif_bytes(c):
    colours = []
    for row in c.px:
        for p in row:
            if p is not T and p not in colours:
                colours.append(p)
    palette = [(255, 255, 255)] + colours  # index 0 is the transparent one
    bits = 1
    while (1 << bits) < len(palette):
        bits += 1
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    index = {colour: i + 1 for i, colour in enumerate(colours)}
    pixels = [0 if p is T else index[p] for row in c.px for p in row]

    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", c.w, c.h, 0x80 | (bits - 1), 0, 0)
    for r, g, b in palette:
        out += bytes((r, g, b))
    # Graphic control extension: index 0 is transparent.
    out += bytes((0x21, 0xF9, 4, 0x01, 0, 0, 0, 0))
    out += b"\x2c" + struct.pack("<HHHHB", 0, 0, c.w, c.h, 0)
    min_code = max(4, bits)
    out.append(min_code)
    data = lzw_literal(pixels, min_code)
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out += b"\x00\x3b"
    return bytes(out)


def lzw_literal(pixels, min_code):
    """LZW stream made of literal codes only, with a clear code often enough
    that the code width never grows: valid for every decoder, simple to check."""
    clear = 1 << min_code
    end = clear + 1
    width = min_code + 1
    run = clear - 3
    codes = []
    for i, p in enumerate(pixels):
        if i % run == 0:
            codes.append(clear)
        codes.append(p)
    codes.append(end)
    out = bytearray()
    acc = 0
    nbits = 0
    for code in codes:
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


# ---- PNG arrows -----------------------------------------------------------

def arrow_alpha(x, y, left):
    """Coverage of one sample point of a 48x48 arrow pointing right (or left)."""
    if left:
        x = 48 - x
    if 6 <= x <= 26 and 19 <= y <= 29:
        return True
    # head: triangle with tip at (42, 24) and base from (24, 8) to (24, 40)
    if 24 <= x <= 42:
        half = 16 * (42 - x) / 18
        return abs(y - 24) <= half
    return False


def png_bytes(left):
    size = 48
    rows = bytearray()
    for y in range(size):
        rows.append(0)
        for x in range(size):
            hits = 0
            for sy in range(4):
                for sx in range(4):
                    if arrow_alpha(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4, left):
                        hits += 1
            rows += bytes((112, 112, 112, hits * 255 // 16))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else "."
    img = os.path.join(target, "img")
    os.makedirs(img, exist_ok=True)
    for name, canvas in icons().items():
        with open(os.path.join(img, name), "wb") as f:
            f.write(gif_bytes(canvas))
    with open(os.path.join(target, "previous.png"), "wb") as f:
        f.write(png_bytes(True))
    with open(os.path.join(target, "next.png"), "wb") as f:
        f.write(png_bytes(False))


if __name__ == "__main__":
    main()
