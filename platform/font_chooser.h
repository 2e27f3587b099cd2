// The system's font dialog: comdlg32's ChooseFontA in the program, a
// scripted answer in tests.
#pragma once

#include "platform/draw_types.h"

class IFontChooser
{
public:
    enum
    {
        // The sizes the dialog offers (CF_LIMITSIZE), in points: from small
        // print to a size that still leaves a key room for its name.
        SIZE_MIN_POINTS = 6,
        SIZE_MAX_POINTS = 24,
        // The character heights those sizes give, in pixels, from 96 to 480
        // dots per inch (100 % to 500 %).
        HEIGHT_MIN_PIXELS = SIZE_MIN_POINTS * 96 / 72,
        HEIGHT_MAX_PIXELS = SIZE_MAX_POINTS * 480 / 72
    };

    virtual ~IFontChooser() {}
    // ChooseFontA owned by hOwner, initialised from *pRecord, with dwFlags
    // (CF_... bits) and the sizes limited as above; on OK the chosen font is
    // in *pRecord and the result is TRUE.
    virtual BOOL ChooseFont(HWND hOwner, CFontRecord* pRecord, DWORD dwFlags) = 0;
};
