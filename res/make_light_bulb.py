#!/usr/bin/env python3
"""light_bulb.bmp: bitmap 103 of the tip dialog, a lit light bulb, 40 x 53
pixels in 16 colours on a white ground. Run by res/make_all.py."""

import math

from imaging import BLACK, GREY, OLIVE, SILVER, WHITE, YELLOW, bmp_file

BULB_W, BULB_H = 40, 53
GLASS_X, GLASS_Y, GLASS_R = 20.0, 18.0, 11.5  # the round glass
NECK_TOP, NECK_BOTTOM = 28, 36                 # the glass narrows down to the base
BASE_TOP, BASE_BOTTOM = 37, 46                 # the screw base
TIP_BOTTOM = 49                                # its contact


def in_glass(x, y):
    """The glass: a disc narrowing into a neck that meets the base."""
    if math.hypot(x + 0.5 - GLASS_X, y + 0.5 - GLASS_Y) <= GLASS_R:
        return True
    if NECK_TOP <= y <= NECK_BOTTOM:
        half = 9 - (y - NECK_TOP) * 3 // 8  # 9 pixels each side at the top, 6 at the bottom
        return 20 - half <= x < 20 + half
    return False


def draw_bulb():
    """Returns the picture as rows top-down of palette indices."""
    pixels = [[WHITE] * BULB_W for _ in range(BULB_H)]

    # Rays of light around the glass: short spokes every 45 degrees, none
    # in the lower half where the base goes.
    for step in range(8):
        angle = math.radians(step * 45)
        if step in (5, 6, 7):
            continue
        for radius in (14, 15, 16, 17):
            x = int(math.floor(GLASS_X + radius * round(math.cos(angle), 9)))
            y = int(math.floor(GLASS_Y - radius * round(math.sin(angle), 9)))
            if 0 <= x < BULB_W and 0 <= y < BULB_H:
                pixels[y][x] = OLIVE if radius == 17 else YELLOW

    for y in range(BULB_H):
        for x in range(BULB_W):
            if not in_glass(x, y):
                continue
            edge = not all(in_glass(x + dx, y + dy)
                           for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            pixels[y][x] = BLACK if edge else YELLOW

    # A highlight on the upper left of the glass.
    for x, y in ((13, 12), (13, 13), (14, 11), (14, 12), (15, 10), (16, 10), (13, 14)):
        pixels[y][x] = WHITE

    # The filament: a small zig-zag in olive.
    for x, y in ((17, 22), (18, 21), (19, 22), (20, 21), (21, 22), (22, 21), (23, 22),
                 (17, 23), (23, 23), (17, 24), (23, 24)):
        pixels[y][x] = OLIVE

    # The screw base: silver rings with grey grooves, then the black contact.
    for y in range(BASE_TOP, BASE_BOTTOM + 1):
        for x in range(14, 26):
            if x in (14, 25):
                pixels[y][x] = BLACK
            else:
                pixels[y][x] = GREY if (y - BASE_TOP) % 3 == 2 else SILVER
    for y in range(BASE_BOTTOM + 1, TIP_BOTTOM + 1):
        inset = y - BASE_BOTTOM
        for x in range(14 + inset, 26 - inset):
            pixels[y][x] = BLACK
    return pixels


def outputs():
    return {"res/light_bulb.bmp": bmp_file(draw_bulb())}
