#!/usr/bin/env python3
"""The keyboard view's two cursors. Run by res/make_all.py.

drag.cur (cursor 144): 32 x 32 pixels in 16 colours, hot spot 0, 0: a cyan
arrow pointing up and to the left, its tip at the hot spot, over a small grey
key cap.
no_drop.cur (cursor 106): 32 x 32 pixels, monochrome, hot spot 15, 15: a
circle crossed by a diagonal bar, black with a white rim.
"""

from imaging import BLACK, CYAN, PALETTE_16, WHITE, icon_file
from imaging import GREY as DARK_GREY
from imaging import SILVER as LIGHT_GREY

SIZE = 32

# The arrow, top-down from the hot spot: "X" outline, "." cyan, " " clear.
ARROW = [
    "X",
    "XX",
    "X.X",
    "X..X",
    "X...X",
    "X....X",
    "X.....X",
    "X......X",
    "X.......X",
    "X........X",
    "X.....XXXXX",
    "X..X..X",
    "X.X X..X",
    "XX  X..X",
    "X    X..X",
    "     X..X",
    "      X..X",
    "      X..X",
    "       XX",
]

# The key cap below the arrow: inclusive corners.
CAP_LEFT, CAP_TOP, CAP_RIGHT, CAP_BOTTOM = 10, 13, 28, 28


def draw_drag():
    """Rows top-down of palette indices, and the transparency mask."""
    pixels = [[BLACK] * SIZE for _ in range(SIZE)]
    clear = [[True] * SIZE for _ in range(SIZE)]
    for y in range(CAP_TOP, CAP_BOTTOM + 1):
        for x in range(CAP_LEFT, CAP_RIGHT + 1):
            clear[y][x] = False
            if x == CAP_RIGHT or y == CAP_BOTTOM:
                colour = BLACK  # outer shadow
            elif x == CAP_RIGHT - 1 or y == CAP_BOTTOM - 1:
                colour = DARK_GREY
            elif x == CAP_LEFT or y == CAP_TOP:
                colour = WHITE  # lit edge
            else:
                colour = LIGHT_GREY
            pixels[y][x] = colour
    for y, row in enumerate(ARROW):
        for x, cell in enumerate(row):
            if cell == " ":
                continue
            clear[y][x] = False
            pixels[y][x] = BLACK if cell == "X" else CYAN
    return pixels, clear


def draw_no_drop():
    """Rows top-down of 0 (black) / 1 (white), and the transparency mask."""
    pixels = [[0] * SIZE for _ in range(SIZE)]
    clear = [[True] * SIZE for _ in range(SIZE)]
    cx = cy = 15
    shape = set()
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            ring = 8 * 8 <= d2 <= 11 * 11
            # The bar runs from upper left to lower right, inside the ring.
            bar = abs((x - cx) - (y - cy)) <= 2 and d2 <= 9 * 9
            if ring or bar:
                shape.add((x, y))
    for y in range(SIZE):
        for x in range(SIZE):
            if (x, y) in shape:
                clear[y][x] = False
                pixels[y][x] = 0
            elif any((x + dx, y + dy) in shape for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                clear[y][x] = False
                pixels[y][x] = 1  # the white rim
    return pixels, clear


def outputs():
    drag, drag_clear = draw_drag()
    no_drop, no_drop_clear = draw_no_drop()
    return {
        "res/drag.cur": icon_file(drag, drag_clear, 4, PALETTE_16, (0, 0)),
        "res/no_drop.cur": icon_file(no_drop, no_drop_clear, 1,
                                     [(0, 0, 0), (0xFF, 0xFF, 0xFF)], (15, 15)),
    }
