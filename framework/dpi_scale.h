// Lengths, font heights and rectangles carried from one DPI to another, as
// a window that moves to a monitor of another scale needs them. Rounded to
// the nearest pixel, halves away from zero, as MulDiv rounds.
#pragma once

class CDpiScale
{
public:
    enum
    {
        BASE_DPI = 96 // the DPI the resources' pixel sizes are drawn for
    };

    // n at nToDpi, where it was n at nFromDpi; n itself when either DPI is not
    // positive (a query that failed changes nothing).
    static int Scale(int n, int nToDpi, int nFromDpi);
    // A LOGFONT height keeps its sign (negative: character height, positive:
    // cell height); 0 (the font's default) stays 0; never shrinks to 0.
    static int ScaleFontHeight(int nHeight, int nToDpi, int nFromDpi);
    // Each edge scaled on its own, so that neighbouring rectangles stay
    // neighbours; any type with left, top, right and bottom.
    template <class RECTANGLE>
    static RECTANGLE ScaleRect(const RECTANGLE& rc, int nToDpi, int nFromDpi)
    {
        RECTANGLE rcScaled = rc;
        rcScaled.left = Scale(rc.left, nToDpi, nFromDpi);
        rcScaled.top = Scale(rc.top, nToDpi, nFromDpi);
        rcScaled.right = Scale(rc.right, nToDpi, nFromDpi);
        rcScaled.bottom = Scale(rc.bottom, nToDpi, nFromDpi);
        return rcScaled;
    }
};
