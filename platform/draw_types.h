// The platform's 60-byte font record (LOGFONTA), rectangle (RECT) and size
// (SIZE), which text measuring, the font dialog, the key caps and the dock
// layout speak: the real types on Windows, the same layout elsewhere.
#pragma once

#include "platform/platform_types.h"

#ifdef _WIN32
typedef LOGFONTA CFontRecord;
typedef RECT CDrawRect;
typedef SIZE CDrawSize;
#else
struct CFontRecord
{
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[32];
};

struct CDrawRect
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct CDrawSize
{
    LONG cx;
    LONG cy;
};
#endif

static_assert(sizeof(CFontRecord) == 60, "the font record is a LOGFONTA");

inline LONG RectWidth(const CDrawRect& rect)
{
    return rect.right - rect.left;
}

inline LONG RectHeight(const CDrawRect& rect)
{
    return rect.bottom - rect.top;
}
