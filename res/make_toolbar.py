#!/usr/bin/env python3
"""Writes res/toolbar.bmp: the tool bar's five 16x15 images side by side, in
16 colours. Light grey (palette index 7) is the background the tool bar masks
out. Run it again to get the same bytes."""
import os
import struct

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# One character a pixel: '.' background, then the palette by letter.
COLOURS = {'.': 7, 'k': 0, 'g': 8, 'w': 15, 'y': 11, 'Y': 3, 'b': 12, 'B': 4,
           'r': 9, 'R': 1, 'c': 14, 'C': 6}

SAVE_AND_EXIT = [
    "................",
    "..YYYYY.........",
    ".YyyyyyY........",
    ".YyyyyyYYYYYk...",
    ".Yyyyyyyyyyyk..b",
    ".Yyyyyyyyyyyk.bb",
    ".YYYYYYYYYYYkbbb",
    "..............bb",
    ".kkkkkkkkkkkkk.b",
    ".kwwwwwwwwwwwk..",
    ".kwggggggggcwk..",
    ".kwwwwwwwwwwwk..",
    ".kkkkkkkkkkkkk..",
    "................",
    "................",
]
QUIT_WITHOUT_SAVING = [
    "r..............r",
    ".rYYYYY.......r.",
    ".YryyyyY.....r..",
    ".YyryyyYYYYYr...",
    ".Yyyryyyyyyrk...",
    ".Yyyyryyyyryk...",
    ".YYYYYrYYrYYk...",
    ".......rr.......",
    ".kkkkkkrrkkkkk..",
    ".kwwwwrwwrwwwk..",
    ".kwggrggggrcwk..",
    ".kwwrwwwwwwrwk..",
    ".kkrkkkkkkkkrk..",
    "..r..........r..",
    ".r............r.",
]
RESTORE = [
    "................",
    "..bbbbb.........",
    ".bb...bb........",
    "bbbb...b........",
    ".bb....b........",
    "..b...b....ggg..",
    ".........gggggg.",
    ".........ggggg..",
    "........CCgg....",
    ".......CC.g.....",
    "......CC........",
    ".....CC.........",
    "....CC..........",
    "...CC...........",
    "................",
]
CHECK_INTEGRITY = [
    "kkkkkkkkk.......",
    "kwwwwwwwkk......",
    "kwkkkkwwwkk.....",
    "kwwwwwwwwwk.....",
    "kwkkkkkkwwk.....",
    "kwwwwwkkkkwk....",
    "kwkkkkk..ckkk...",
    "kwwwwk.cc..kk...",
    "kwkkkk.c...kk...",
    "kwwwwwk...kkk...",
    "kkkkkkkkkkkkkk..",
    "............kkk.",
    ".............kkk",
    "..............kk",
    "................",
]
ABOUT = [
    "................",
    ".....kkkkkk.....",
    "....kyyyyyyk....",
    "...kyyykkyyyk...",
    "...kyyk..kyyk...",
    "....kk...kyyk...",
    ".........kyyk...",
    "........kyyk....",
    ".......kyyk.....",
    "......kyyk......",
    "......kyyk......",
    ".......kk.......",
    "......kyyk......",
    "......kyyk......",
    ".......kk.......",
]

IMAGES = [SAVE_AND_EXIT, QUIT_WITHOUT_SAVING, RESTORE, CHECK_INTEGRITY, ABOUT]


def main():
    width, height = 16 * len(IMAGES), 15
    rows = []
    for y in range(height):
        row = []
        for image in IMAGES:
            line = image[y]
            assert len(line) == 16, (image, y)
            row.extend(COLOURS[c] for c in line)
        rows.append(row)
    stride = ((width * 4 + 31) // 32) * 4
    pixels = b""
    for row in reversed(rows):  # bottom-up
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, width, 2))
        pixels += packed + b"\0" * (stride - len(packed))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    offset = 14 + len(header) + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "toolbar.bmp")
    with open(out, "wb") as f:
        f.write(file_header + header + palette + pixels)


if __name__ == "__main__":
    main()
