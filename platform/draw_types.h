// The platform's 60-byte font record (LOGFONTA) and rectangle (RECT), which
// text measuring and the font dialog speak: the real types on Windows, the
// same layout elsewhere.
#pragma once

#include "platform/platform_types.h"

#ifdef _WIN32
typedef LOGFONTA CFontRecord;
typedef RECT CCapRect;
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

struct CCapRect
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
#endif

static_assert(sizeof(CFontRecord) == 60, "the font record is a LOGFONTA");
