#!/usr/bin/env python3
"""Writes the command-bar theme's pictures of the test skin (run once; the
files are kept beside it and listed in theme_parts.rc).

WorkspaceTopLeft.bmp    24-bit, 12 x 6, one state: columns 0 to 10 (60, 20, 200),
                        the last column (200, 60, 20).
FrameCaptionClose17.bmp 24-bit, 17 x 85, five states of 17 x 17: a magenta ring
                        2 px wide around a solid (30 + 40 s, 220, 120) centre.
FrameCaption<Kind><Size>.bmp  the other caption glyphs, 24-bit, size x 5 size,
                        five states: the same ring around a solid
                        (30 + 40 s, kind green, size blue) centre; kind green
                        CLOSE 220, MINIMIZE 180, MAXIMIZE 140, RESTORE 100;
                        size blue 13: 80, 17: 120, 23: 160.
FrameCaptionButton.bmp  24-bit, 10 x 20, two states: solid (200, 100 + 50 s, 30).
FrameTopLeft.bmp        24-bit, 10 x 60, two states of 30 rows: column x
                        (40 + 120 s, 10 + 20 x, 200).
FrameTopRight.bmp       the same with blue 230.
FrameTopCenter.bmp      24-bit, 4 x 60, two states of 30 rows: rows 0 to 7
                        (40 + 120 s, 240, 20), the rest (40 + 120 s, 200, 60).
StatusBarLight.bmp      24-bit, 6 x 8: column x (250, 20 + 40 x, 40).
StatusBarDark.bmp       the same with blue 90.
FrameBottomLeft.bmp     24-bit, 6 x 12, two states of 6 rows: solid
                        (160 + 40 s, 90, 200), the band's top-right pixel magenta.
FrameBottomRight.bmp    the same with blue 240, the band's top-left pixel magenta.
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


KIND_GREEN = {"Close": 220, "Minimize": 180, "Maximize": 140, "Restore": 100}
SIZE_BLUE = {13: 80, 17: 120, 23: 160}


def glyph(kind, size):
    def pixel(x, y):
        state, band_y = divmod(y, size)
        if x < 2 or x >= size - 2 or band_y < 2 or band_y >= size - 2:
            return (255, 0, 255)
        return (30 + 40 * state, KIND_GREEN[kind], SIZE_BLUE[size])
    return pixel


def corner(blue, key_x):
    def pixel(x, y):
        state, band_y = divmod(y, 6)
        if band_y == 0 and x == key_x:
            return (255, 0, 255)
        return (160 + 40 * state, 90, blue)
    return pixel


write_bmp("WorkspaceTopLeft.bmp", 12, 6, workspace)
write_bmp("FrameCaptionClose17.bmp", 17, 85, close17)
for kind in KIND_GREEN:
    for size in SIZE_BLUE:
        if (kind, size) != ("Close", 17):
            write_bmp("FrameCaption%s%d.bmp" % (kind, size), size, 5 * size, glyph(kind, size))
write_bmp("FrameCaptionButton.bmp", 10, 20, lambda x, y: (200, 100 + 50 * (y // 10), 30))
write_bmp("FrameTopLeft.bmp", 10, 60, lambda x, y: (40 + 120 * (y // 30), 10 + 20 * x, 200))
write_bmp("FrameTopRight.bmp", 10, 60, lambda x, y: (40 + 120 * (y // 30), 10 + 20 * x, 230))
write_bmp("FrameTopCenter.bmp", 4, 60,
          lambda x, y: (40 + 120 * (y // 30), 240, 20) if y % 30 < 8 else (40 + 120 * (y // 30), 200, 60))
write_bmp("StatusBarLight.bmp", 6, 8, lambda x, y: (250, 20 + 40 * x, 40))
write_bmp("StatusBarDark.bmp", 6, 8, lambda x, y: (250, 20 + 40 * x, 90))
write_bmp("FrameBottomLeft.bmp", 6, 12, corner(200, 5))
write_bmp("FrameBottomRight.bmp", 6, 12, corner(240, 0))


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
