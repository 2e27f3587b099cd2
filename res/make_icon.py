#!/usr/bin/env python3
"""velloric.ico: icon 128, 32 x 32 pixels in 16 colours, a black question
mark on a raised yellow square. Run by res/make_all.py."""

from imaging import BLACK, GREY, OLIVE, PALETTE_16, WHITE, YELLOW, icon_file

SIZE = 32

# The question mark, drawn top-down; "#" is black.
QUESTION_MARK = [
    "...######...",
    "..########..",
    ".###....###.",
    ".###....###.",
    ".###....###.",
    "........###.",
    ".......###..",
    "......###...",
    ".....###....",
    ".....###....",
    ".....###....",
    "............",
    "............",
    ".....###....",
    ".....###....",
    ".....###....",
]


def draw_icon():
    """Returns the picture as rows top-down of palette indices, plus the
    transparency mask (True where the pixel is transparent)."""
    pixels = [[BLACK] * SIZE for _ in range(SIZE)]
    transparent = [[True] * SIZE for _ in range(SIZE)]

    left, top, right, bottom = 2, 2, 29, 29  # inclusive square
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            transparent[y][x] = False
            if x == right or y == bottom:
                colour = BLACK  # outer shadow
            elif x == right - 1 or y == bottom - 1:
                colour = GREY
            elif x == right - 2 or y == bottom - 2:
                colour = OLIVE
            elif x <= left + 1 or y <= top + 1:
                colour = WHITE  # lit edge
            else:
                colour = YELLOW
            pixels[y][x] = colour

    mark_w, mark_h = len(QUESTION_MARK[0]), len(QUESTION_MARK)
    origin_x = left + (right - left + 1 - mark_w) // 2 - 1
    origin_y = top + (bottom - top + 1 - mark_h) // 2 - 1
    for dy, row in enumerate(QUESTION_MARK):
        for dx, cell in enumerate(row):
            if cell == "#":
                pixels[origin_y + dy][origin_x + dx] = BLACK
    return pixels, transparent


def outputs():
    pixels, transparent = draw_icon()
    return {"res/velloric.ico": icon_file(pixels, transparent, 4, PALETTE_16)}
