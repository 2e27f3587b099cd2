#!/usr/bin/env python3
"""toolbar.bmp: the tool bar's six 16 x 15 images side by side, in 16
colours. Light grey (palette index 7) is the background the tool bar masks
out. Run by res/make_all.py."""

from imaging import bmp_file

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
# Other keys: a media key (play) beside a key cap.
OTHER_KEYS = [
    "................",
    ".kkkkkkk........",
    ".kwwwwwgk.......",
    ".kwBwwwgk.......",
    ".kwBBwwgk.......",
    ".kwBBBwgk.......",
    ".kwBBwwgk.......",
    ".kwBwwwgk.......",
    ".kggggggk.kkkkk.",
    ".kkkkkkkk.kwwwgk",
    "..........kwkkgk",
    "..........kwkwgk",
    "..........kgggk.",
    "..........kkkkk.",
    "................",
]

IMAGES = [SAVE_AND_EXIT, QUIT_WITHOUT_SAVING, RESTORE, CHECK_INTEGRITY, ABOUT, OTHER_KEYS]


def outputs():
    rows = []
    for y in range(15):
        row = []
        for image in IMAGES:
            line = image[y]
            assert len(line) == 16, (image, y)
            row.extend(COLOURS[c] for c in line)
        rows.append(row)
    return {"res/toolbar.bmp": bmp_file(rows)}
