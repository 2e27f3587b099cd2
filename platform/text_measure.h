// The text measuring that fitting a key label needs, kept apart from any
// drawing engine: GDI in the program, a fake with fixed metrics in tests.
#pragma once

#include <string>

#include "platform/draw_types.h"

struct CTextExtent
{
    int cx;
    int cy;
};

class ITextMeasure
{
public:
    virtual ~ITextMeasure() {}
    // Width and height of strText on one line in the shared key font.
    virtual CTextExtent GetKeyFontExtent(const std::string& strText) = 0;
    // Width and height of strText broken into lines at spaces within nWidth,
    // in a font built from record. The width may exceed nWidth when a single
    // word is wider; the height is that of all the lines.
    virtual CTextExtent GetWrappedExtent(const CFontRecord& record, const std::string& strText,
                                         int nWidth) = 0;
};
