#!/usr/bin/env python3
"""Writes the pictures of the test skin (run once; the files are kept beside it).

Button.bmp  24-bit, 20 x 88: four states of 20 x 22 stacked from the top; each
            state is cut by margins of 3 into nine cells of their own colours:
            red 40 + 60 * column, green 40 + 60 * row, blue 20 + 50 * state.
Keyed.bmp   24-bit, 4 x 4: green with a magenta 2 x 2 centre.
Glyph.bmp   32-bit with straight alpha, 4 x 2, both rows alike: opaque red,
            opaque green, blue at alpha 128, white at alpha 0.
PngPart.png RGBA, 2 x 4: two states; the top one opaque yellow, the bottom
            one blue at alpha 64.
Wide.bmp    24-bit, 600 x 2, grey: wider than any picture that is drawn.

The tab strips' pictures, solid bands per state (state s counted from the
top) with a magenta key pixel at each band's top-left corner:
RibbonTab.bmp        16 x 96, six states: (200, 20 + 40 s, 10).
RibbonGroups.bmp     24 x 24: (30, 60, 90), no key pixel.
AccessTab.bmp        40 x 96, four states: (20, 30 + 50 s, 230).
ToolbarButtons22.bmp 20 x 80, four states: (90 + 40 s, 10, 120).
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write_bmp(name, width, height, pixel, bpp=24):
    """pixel(x, y) gives (r, g, b, a) with y counted from the top."""
    stride = (width * bpp // 8 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):   # bottom row first
        row = bytearray()
        for x in range(width):
            r, g, b, a = pixel(x, y)
            row += bytes((b, g, r, a)) if bpp == 32 else bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, len(data), 0, 0, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(head + info + data)


def write_png(name, width, height, pixel):
    raw = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def cell(v, size, margin):
    return 0 if v < margin else (2 if v >= size - margin else 1)


def button(x, y):
    state, band_y = divmod(y, 22)
    return (40 + 60 * cell(x, 20, 3), 40 + 60 * cell(band_y, 22, 3), 20 + 50 * state, 0)


def keyed(x, y):
    return (255, 0, 255, 0) if 1 <= x <= 2 and 1 <= y <= 2 else (0, 160, 0, 0)


def glyph(x, y):
    return [(255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 128), (255, 255, 255, 0)][x]


def png_part(x, y):
    return (255, 255, 0, 255) if y < 2 else (0, 0, 255, 64)


write_bmp("Button.bmp", 20, 88, button)
write_bmp("Keyed.bmp", 4, 4, keyed)
write_bmp("Glyph.bmp", 4, 2, glyph, bpp=32)
write_png("PngPart.png", 2, 4, png_part)
write_bmp("Wide.bmp", 600, 2, lambda x, y: (128, 128, 128, 0))


def bands(band_height, colour, keyed=True):
    def pixel(x, y):
        state, band_y = divmod(y, band_height)
        if keyed and x == 0 and band_y == 0:
            return (255, 0, 255, 0)
        return colour(state) + (0,)
    return pixel


write_bmp("RibbonTab.bmp", 16, 96, bands(16, lambda s: (200, 20 + 40 * s, 10)))
write_bmp("RibbonGroups.bmp", 24, 24, bands(24, lambda s: (30, 60, 90), keyed=False))
write_bmp("AccessTab.bmp", 40, 96, bands(24, lambda s: (20, 30 + 50 * s, 230)))
write_bmp("ToolbarButtons22.bmp", 20, 80, bands(20, lambda s: (90 + 40 * s, 10, 120)))
