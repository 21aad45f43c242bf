#!/usr/bin/env python3
"""Writes the system popup's pictures of the ribbon tests' system-menu skin
(run once; the files are kept beside it and listed in zm_systemmenuskin.rc).

SystemMenu.bmp        24-bit, 20 x 60, one state, drawn with the popup's
                      borders (6, 18, 6, 29) as sizing margins: the left
                      margin (200, 30, 30), the right (30, 200, 30), the top
                      between them (30, 30, 200), the bottom between them
                      (200, 200, 30), the middle (240, 240, 240).
SystemMenuButton.bmp  24-bit, 10 x 20, two states of 10 x 10 drawn with
                      margins 2: corners of 2 x 2 in magenta (transparent),
                      the rest (50, 100, 150) in state 0, (150, 100, 50) in
                      state 1.
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


def system_menu(x, y):
    if x < 6:
        return (200, 30, 30)
    if x >= 14:
        return (30, 200, 30)
    if y < 18:
        return (30, 30, 200)
    if y >= 31:
        return (200, 200, 30)
    return (240, 240, 240)


def system_menu_button(x, y):
    state, y = divmod(y, 10)
    if (x < 2 or x >= 8) and (y < 2 or y >= 8):
        return (255, 0, 255)
    return (50, 100, 150) if state == 0 else (150, 100, 50)


write_bmp("SystemMenu.bmp", 20, 60, system_menu)
write_bmp("SystemMenuButton.bmp", 10, 20, system_menu_button)
