// The keyboard services of user32: key names of the active layout and the
// keyboard type.
#pragma once

#include "platform/keyboard_services.h"

class CWin32KeyboardServices : public IKeyboardServices
{
public:
    int GetKeyNameText(LONG lParam, char* pszName, int cchName) override;
    int GetKeyboardType(int nTypeFlag) override;
};
