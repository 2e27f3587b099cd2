#!/usr/bin/env python3
"""Makes the auxiliary dialogs' binary resources and writes them beside this script.

light_bulb.bmp: bitmap 103 of the tip dialog, a lit light bulb, 40 x 53
    pixels in 16 colours on a white ground.
about.wav: wave 146 of the About box, a short two-note chime (PCM, one
    channel, 22050 samples per second, 8 bits, with a "fact" chunk).
tips.txt: the sample tips file shipped beside the program, in code page 932
    with CR LF line ends.

The output is byte-for-byte reproducible, so the committed files can be
checked by running the script again:

    python3 res/make_dialog_images.py && git diff --exit-code res/
"""

import io
import math
import os
import struct
import wave

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, OLIVE, SILVER, GREY, YELLOW, WHITE = 0, 3, 7, 8, 11, 15

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


def encode_bitmap(pixels):
    """A .bmp file: 4 bits per pixel, rows bottom-up, each padded to four bytes."""
    height, width = len(pixels), len(pixels[0])
    rows = []
    for row in reversed(pixels):
        data = bytearray()
        for x in range(0, width, 2):
            right = row[x + 1] if x + 1 < width else 0
            data.append((row[x] << 4) | right)
        while len(data) % 4:
            data.append(0)
        rows.append(bytes(data))
    bits = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(bits), 0, 0, 16, 0)
    offset = 14 + len(info) + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return file_header + info + palette + bits


RATE = 22050
NOTES = ((880.0, 0.0), (1318.5, 0.12), (1760.0, 0.5))  # (frequency, start in seconds)
SAMPLE_COUNT = 35002                                    # about 1.6 seconds
LENGTH = SAMPLE_COUNT / RATE


def synthesise_chime():
    """8-bit unsigned samples: two decaying sine notes, the second entering later."""
    samples = bytearray()
    for n in range(SAMPLE_COUNT):
        t = n / RATE
        value = 0.0
        for frequency, start in NOTES:
            if t >= start:
                age = t - start
                value += 0.4 * math.exp(-age * 4.0) * math.sin(2 * math.pi * frequency * age)
        fade = min(1.0, (LENGTH - t) / 0.02)  # no click at the end
        samples.append(max(0, min(255, 128 + int(round(127 * value * fade)))))
    return bytes(samples)


def encode_wave(samples):
    """The wave module's RIFF file, with a "fact" chunk (the sample count) after "fmt "."""
    buffer = io.BytesIO()
    with wave.open(buffer, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(1)
        out.setframerate(RATE)
        out.writeframes(samples)
    riff = buffer.getvalue()
    data_at = riff.index(b"data")
    fact = b"fact" + struct.pack("<II", 4, len(samples))
    body = riff[12:data_at] + fact + riff[data_at:]
    return b"RIFF" + struct.pack("<I", 4 + len(body)) + b"WAVE" + body


TIPS = [
    "; Velloric のワンポイント集 (コード ページ 932)",
    "; 「;」、空白、タブで始まる行と空の行は表示されません。",
    "; ワンポイントの中の \\n は改行になります。",
    "",
    "上のベース キーボードのキーをドラッグして、下のリマップ キーボードのキーにドロップすると、そのキーの働きを置き換えられます。",
    "リマップしたキーは赤い文字で表示されます。\\nもう一度クリックすると元に戻ります。",
    "設定は「保存して終了」でレジストリに書き込まれ、コンピュータを再起動すると有効になります。",
    "「リストの健康診断」で、Ctrl、Alt、Del キーが失われていないかを確かめられます。",
    "キー名の表示方法とフォントは「オプション」メニューで変えられます。",
    "起動時に -c を付けると、全てのキーリマップをクリアして終了します。",
]


def encode_tips():
    return "".join(line + "\r\n" for line in TIPS).encode("cp932")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    outputs = {
        "light_bulb.bmp": encode_bitmap(draw_bulb()),
        "about.wav": encode_wave(synthesise_chime()),
        "tips.txt": encode_tips(),
    }
    for name, data in outputs.items():
        with open(os.path.join(here, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
