// The font dialog of comdlg32.
#pragma once

#include "platform/font_chooser.h"

class CWin32FontChooser : public IFontChooser
{
public:
    BOOL ChooseFont(HWND hOwner, CFontRecord* pRecord, DWORD dwFlags) override;
};
