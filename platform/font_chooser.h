// The system's font dialog: comdlg32's ChooseFontA in the program, a
// scripted answer in tests.
#pragma once

#include "platform/draw_types.h"

class IFontChooser
{
public:
    virtual ~IFontChooser() {}
    // ChooseFontA owned by hOwner, initialised from *pRecord, with dwFlags
    // (CF_... bits); on OK the chosen font is in *pRecord and the result is TRUE.
    virtual BOOL ChooseFont(HWND hOwner, CFontRecord* pRecord, DWORD dwFlags) = 0;
};
