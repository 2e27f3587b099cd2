"""Wine's own Tahoma, drawn smoothed at every size, as Windows draws it.

Under Wine "MS Shell Dlg", the font of Velloric's forms and dialogs, is
Tahoma. Its gasp table asks for plain black-and-white glyphs up to 16 pixels
per em, and Wine (8.0) places such glyphs by their monochrome hinted widths
while GetTextExtentPoint and DrawText(DT_CALCRECT) report the smoothed ones:
at the key caps' small sizes a name lands up to a third wider than it
measures, and "Page Down" is cut off in a cap where it measures as fitting.
Windows measures the text it draws. With smoothing asked for at every size
(and font smoothing on in the prefix) Wine draws what it measures.
This writes such a copy of each font, with a higher revision so that Wine
prefers it to its own, for the screenshot prefix only.

    python3 smooth_fonts.py IN_TTF OUT_TTF [IN_TTF OUT_TTF ...]
"""
import sys

from fontTools.ttLib import TTFont, newTable

GASP_GRIDFIT_AND_SMOOTH = 0x000F  # grid-fit and grey-scale, symmetric too


def main(argv):
    if len(argv) < 3 or len(argv) % 2 != 1:
        sys.exit(__doc__)
    for source, target in zip(argv[1::2], argv[2::2]):
        font = TTFont(source)
        gasp = newTable("gasp")
        gasp.version = 1
        gasp.gaspRange = {0xFFFF: GASP_GRIDFIT_AND_SMOOTH}
        font["gasp"] = gasp
        font["head"].fontRevision += 1
        font.save(target)
        print("%s: smoothed at every size" % target)


if __name__ == "__main__":
    main(sys.argv)
