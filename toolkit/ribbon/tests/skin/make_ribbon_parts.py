#!/usr/bin/env python3
"""Writes the ribbon tests' part pictures (run once; the files are kept beside
it and listed in ribbon_parts.rc, which it also writes).

Every state of a part is a solid band, so that one pixel tells which part and
which state a rule drew: part number k (its place in PARTS, from 0), state s
has the colour (20 + 4 k, (30 + 17 s) mod 256, 99). STATUSBARSWITCHES also varies its
blue by column c: (20 + 4 k, 30 + 17 s, 99 + 30 c). The parts in RIMMED are
magenta (the key colour) inside a rim of 3 px, so what lies under them shows.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# name, states, width, height of one state (columns for STATUSBARSWITCHES)
PARTS = [
    ("RIBBONGROUPS", 1, 24, 24),                 # 0
    ("CONTEXTTABBLUECLIENT", 1, 24, 24),         # 1
    ("RIBBONQUICKACCESSFRAME", 1, 24, 24),       # 2
    ("RIBBONGROUPCLIENT", 2, 24, 24),            # 3
    ("RIBBONGROUPCAPTION", 2, 24, 24),           # 4
    ("CONTEXTTABGROUPCLIENT", 2, 24, 24),        # 5
    ("CONTEXTTABGROUPCAPTION", 2, 24, 24),       # 6
    ("RIBBONGROUPBUTTON", 3, 24, 24),            # 7
    ("CONTEXTTABBLUEGROUPBUTTON", 3, 24, 24),    # 8
    ("RIBBONGROUPBUTTONICON", 1, 24, 24),        # 9
    ("RIBBONGROUPQUICKACCESS", 3, 24, 24),       # 10
    ("RIBBONOPTIONBUTTON", 4, 24, 24),           # 11
    ("RIBBONTAB", 6, 24, 24),                    # 12
    ("CONTEXTTABBLUE", 5, 24, 24),               # 13
    ("RIBBONTABSEPARATOR", 1, 1, 24),            # 14
    ("CONTEXTTABSEPARATOR", 1, 1, 24),           # 15
    ("FRAMETOPLEFT", 2, 8, 12),                  # 16
    ("FRAMETOPRIGHT", 2, 8, 12),                 # 17
    ("FRAMETOPCENTER", 2, 24, 12),               # 18
    ("RIBBONQUICKACCESSAREA", 1, 40, 12),        # 19
    ("RIBBONQUICKACCESSAREADWM", 1, 40, 12),     # 20
    ("FRAMESYSTEMBUTTON", 3, 40, 40),            # 21
    ("FRAMESYSTEMBUTTON52", 3, 52, 52),          # 22
    ("CONTEXTTABBLUEHEADER", 1, 24, 24),         # 23
    ("CONTEXTTABREDHEADER", 1, 24, 24),          # 24
    ("RIBBONQUICKACCESSBUTTON", 4, 24, 24),      # 25
    ("RIBBONQUICKACCESSMORE", 4, 24, 24),        # 26
    ("RIBBONGROUPSSCROLLLEFT", 3, 24, 24),       # 27
    ("RIBBONGROUPSSCROLLLEFTGLYPH", 3, 6, 10),   # 28
    ("POPUPBARFRAME", 1, 24, 24),                # 29
    ("TOOLBARBUTTONS22", 4, 24, 24),             # 30
    ("TOOLBARBUTTONS50", 4, 24, 24),             # 31
    ("MENUCHECKEDITEM", 2, 24, 24),              # 32
    ("MENUSELECTEDITEM22", 1, 24, 24),           # 33
    ("MENUSELECTEDITEM54", 1, 24, 24),           # 34
    ("MENUSELECTEDDISABLEDITEM22", 1, 24, 24),   # 35
    ("TOOLBARBUTTONCHECKBOX", 12, 13, 13),       # 36
    ("TOOLBARBUTTONRADIOBUTTON", 8, 13, 13),     # 37
    ("MENUCHECKEDITEMMARK", 4, 10, 10),          # 38
    ("TOOLBARBUTTONDROPDOWNGLYPH", 4, 5, 4),     # 39
    ("TOOLBARBUTTONSSPLIT22", 6, 24, 24),        # 40
    ("TOOLBARBUTTONSSPLITDROPDOWN22", 5, 24, 24),  # 41
    ("TOOLBARFACEHORIZONTAL", 1, 24, 24),        # 42
    ("STATUSBARLIGHT", 1, 8, 8),                 # 43
    ("STATUSBARDEVIDER", 1, 4, 8),               # 44
    ("STATUSBARDARK", 1, 8, 8),                  # 45
    ("STATUSBARSEPARATOR", 1, 2, 12),            # 46
    ("STATUSBARGRIPPER", 1, 8, 8),               # 47
    ("STATUSBARSWITCHES", 6, 20, 18),            # 48
    ("TOOLTIPFRAME", 1, 12, 12),                 # 49
    ("MENUPOPUPGLYPH", 2, 4, 7),                 # 50
    ("TOOLBARBUTTONSSPECIALSINGLE", 5, 22, 22),  # 51
    ("TOOLBARBUTTONSSPECIALLEFT", 5, 22, 22),    # 52
    ("MENUSPLITITEM", 3, 24, 24),                # 53
    ("MENUSPLITDROPDOWN", 3, 24, 24),            # 54
    ("TOOLBARBUTTONSCOMBODROPDOWN", 5, 24, 24),  # 55
    ("TOOLBARBUTTONSPINARROWSVERTICAL", 10, 17, 10),  # 56
    ("TOOLBARBUTTONSPINARROWGLYPHS", 16, 5, 3),  # 57
    ("CONTROLGALLERYSCROLLARROWGLYPHS", 16, 7, 4),  # 58
]

# Parts drawn over a face of their own keep the key colour inside a 3-px rim.
RIMMED = {"TOOLTIPFRAME"}


def write_bmp(path, width, height, pixel):
    """24-bit; pixel(x, y) gives (r, g, b) with y counted from the top."""
    stride = (width * 3 + 3) & ~3
    data = b"".join(
        b"".join(bytes(pixel(x, y)[2::-1]) for x in range(width)).ljust(stride, b"\0")
        for y in range(height - 1, -1, -1))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 0, 0, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    with open(path, "wb") as f:
        f.write(head + info + data)


lines = ["// The ribbon tests' part pictures, written by make_ribbon_parts.py: every",
         "// state a solid band of its own colour.", ""]
for k, (name, states, w, h) in enumerate(PARTS):
    columns = 4 if name == "STATUSBARSWITCHES" else 1

    def pixel(x, y, k=k, w=w, h=h, rimmed=name in RIMMED):
        s, c = y // h, x // w
        if rimmed and 3 <= x % w < w - 3 and 3 <= y % h < h - 3:
            return (255, 0, 255)
        return (20 + 4 * k, (30 + 17 * s) % 256, 99 + 30 * c)

    write_bmp(os.path.join(HERE, "parts", name.lower() + ".bmp"), w * columns, h * states, pixel)
    lines.append('%s BITMAP "parts/%s.bmp"' % (name, name.lower()))
with open(os.path.join(HERE, "ribbon_parts.rc"), "w") as f:
    f.write("\n".join(lines) + "\n")
