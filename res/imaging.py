"""What the image scripts share: the standard 16-colour palette and the
byte layouts of device-independent bitmaps, .bmp files, icons and cursors.
Every function returns bytes and is reproducible, byte for byte."""

import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE_16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, CYAN, WHITE = range(8, 16)


def colour_table(palette):
    """RGBQUADs: blue, green, red, reserved."""
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)


def pack_rows(rows, bits):
    """Rows given top-down, packed bottom-up at bits per pixel, most
    significant first, each row padded to four bytes."""
    per_byte = 8 // bits
    out = []
    for row in reversed(rows):
        data = bytearray()
        for x in range(0, len(row), per_byte):
            byte = 0
            for i in range(per_byte):
                value = int(row[x + i]) if x + i < len(row) else 0
                byte = (byte << bits) | value
            data.append(byte)
        while len(data) % 4:
            data.append(0)
        out.append(bytes(data))
    return b"".join(out)


def info_header(width, height, bits, image_size, colours):
    """A BITMAPINFOHEADER."""
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 0, 0,
                       colours, 0)


def bmp_file(rows, palette=PALETTE_16):
    """A 4-bit .bmp file of palette indices given as rows top-down."""
    bits = pack_rows(rows, 4)
    info = info_header(len(rows[0]), len(rows), 4, len(bits), 16)
    table = colour_table(palette)
    offset = 14 + len(info) + len(table)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return file_header + info + table + bits


def icon_file(pixels, clear, bits, palette, hot_spot=None):
    """A one-image .ico file, or with hot_spot a .cur file: the DIB with its
    height doubled, the colour bits, then the AND mask (1 where clear)."""
    size = len(pixels)
    xor_bits = pack_rows(pixels, bits)
    and_bits = pack_rows([[1 if c else 0 for c in row] for row in clear], 1)
    colours = 1 << bits
    image = (info_header(size, size * 2, bits, len(xor_bits) + len(and_bits), colours)
             + colour_table(palette) + xor_bits + and_bits)
    kind, field_a, field_b = (1, 1, bits) if hot_spot is None else (2,) + tuple(hot_spot)
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", size, size, colours if colours < 256 else 0, 0,
                        field_a, field_b, len(image), 6 + 16)
    return directory + entry + image
