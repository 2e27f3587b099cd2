"""Wine's own Wingdings with the few symbols it lacks and Velloric draws.

The key caps name the keypad's digits and Backspace with Wingdings symbols
(model/key_name_alias.cpp): the negative circled digits 0x8B-0x94 and the
white left arrow 0xEF. Wine's wingding.ttf has the arrows 0xDF-0xE2 but not
those, so under Wine they draw as empty boxes where Windows shows symbols.
This copies the same symbols from VL Gothic (installed by scripts/setup.sh)
into a copy of Wine's font, with a higher revision so that Wine prefers it
to its own, for the screenshot prefix only.

    python3 complete_wingdings.py WINE_WINGDING_TTF VL_GOTHIC_TTF OUT_TTF
"""
import sys

from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

# Wingdings code -> the same symbol in Unicode.
SYMBOLS = {0x8B: 0x24FF, 0xEF: 0x21E6}
SYMBOLS.update({0x8C + i: 0x2776 + i for i in range(9)})  # 1 to 9


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    font = TTFont(argv[1])
    donor = TTFont(argv[2])
    scale = font["head"].unitsPerEm / donor["head"].unitsPerEm
    donor_cmap = donor.getBestCmap()
    donor_glyphs = donor.getGlyphSet()
    symbol_tables = [t for t in font["cmap"].tables if (t.platformID, t.platEncID) in ((3, 0), (1, 0))]
    added = 0
    for code, unicode in sorted(SYMBOLS.items()):
        if any(code in t.cmap or 0xF000 + code in t.cmap for t in symbol_tables):
            continue  # Wine has it after all: keep Wine's
        name = "velloric%02X" % code
        pen = TTGlyphPen(None)
        donor_name = donor_cmap[unicode]
        donor_glyphs[donor_name].draw(TransformPen(pen, (scale, 0, 0, scale, 0, 0)))
        glyph = pen.glyph()
        glyph.recalcBounds(font["glyf"])
        font["glyf"][name] = glyph  # also puts the name at the end of the glyph order
        advance = round(donor["hmtx"][donor_name][0] * scale)
        font["hmtx"][name] = (advance, getattr(glyph, "xMin", 0))
        for table in symbol_tables:
            # The Windows table holds symbols at U+F0xx; the Macintosh one at their codes.
            table.cmap[0xF000 + code if table.platformID == 3 else code] = name
        added += 1
    font.setGlyphOrder(font["glyf"].glyphOrder)
    font["head"].fontRevision += 1
    font.save(argv[3])
    print("%s: %d symbols added" % (argv[3], added))


if __name__ == "__main__":
    main(sys.argv)
