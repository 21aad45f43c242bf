#!/usr/bin/env python3
"""Writes the command-bar theme's pictures of the test skin (run once; the
files are kept beside it and listed in theme_parts.rc).

WorkspaceTopLeft.bmp    24-bit, 12 x 6, one state: columns 0 to 10 (60, 20, 200),
                        the last column (200, 60, 20).
FrameCaptionClose17.bmp 24-bit, 17 x 85, five states of 17 x 17: a magenta ring
                        2 px wide around a solid (30 + 40 s, 220, 120) centre.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write_bmp(name, width, height, pixel):
    """24-bit; pixel(x, y) gives (r, g, b) with y counted from the top."""
    stride = (width * 3 + 3) & ~3
    data = b"".join(
        b"".join(bytes(pixel(x, y)[2::-1]) for x in range(width)).ljust(stride, b"\0")
        for y in range(height - 1, -1, -1))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 0, 0, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(head + info + data)


def workspace(x, y):
    return (200, 60, 20) if x == 11 else (60, 20, 200)


def close17(x, y):
    state, band_y = divmod(y, 17)
    if x < 2 or x >= 15 or band_y < 2 or band_y >= 15:
        return (255, 0, 255)
    return (30 + 40 * state, 220, 120)


write_bmp("WorkspaceTopLeft.bmp", 12, 6, workspace)
write_bmp("FrameCaptionClose17.bmp", 17, 85, close17)
