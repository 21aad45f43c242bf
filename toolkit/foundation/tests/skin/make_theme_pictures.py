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


# The gallery, slider and progress parts: one solid colour per state, so that
# one pixel tells which state was drawn.
def states(width, band, count, colour):
    def pixel(x, y):
        return colour(y // band)
    return width, band * count, pixel


PARTS = {
    "ControlGalleryUp.bmp": states(15, 10, 5, lambda s: (30 + 40 * s, 10, 10)),
    "ControlGalleryDown.bmp": states(15, 10, 5, lambda s: (30 + 40 * s, 20, 10)),
    "ControlGalleryPopup.bmp": states(15, 10, 5, lambda s: (30 + 40 * s, 30, 10)),
    "ControlGalleryScrollVerticalLight.bmp": states(16, 8, 2, lambda s: (10 + 100 * s, 200, 40)),
    "ControlGalleryScrollVerticalDark.bmp": states(16, 8, 2, lambda s: (10 + 100 * s, 200, 80)),
    "ControlGalleryScrollArrowsVerticalLight.bmp": states(16, 16, 4, lambda s: (200, 10 + 60 * s, 100)),
    "ControlGalleryScrollArrowGlyphs.bmp": states(9, 9, 16, lambda s: (100, 100, 10 * (s + 1))),
    "ControlGalleryScrollThumbVertical.bmp": states(16, 16, 3, lambda s: (60, 60 + 60 * s, 220)),
    "ControlGalleryScrollThumbGripperVertical.bmp": states(8, 8, 3, lambda s: (250, 250, 80 * s)),
    "SliderTrack.bmp": states(10, 4, 1, lambda s: (90, 90, 160)),
    "SliderTick.bmp": states(3, 5, 1, lambda s: (160, 40, 40)),
    "SliderUp.bmp": states(14, 14, 3, lambda s: (20 + 80 * s, 150, 150)),
    "SliderDown.bmp": states(14, 14, 3, lambda s: (20 + 80 * s, 160, 150)),
    "SliderThumb.bmp": states(9, 13, 3, lambda s: (240, 20 + 80 * s, 20)),
    "ProgressTrack.bmp": states(8, 8, 1, lambda s: (20, 120, 220)),
    # The body in columns 0 to 7, the end cap in columns 8 to 11.
    "ProgressChunk.bmp": (12, 8, lambda x, y: (200, 80, 40) if x < 8 else (40, 200, 80)),
}
for name, (width, height, pixel) in PARTS.items():
    write_bmp(name, width, height, pixel)
