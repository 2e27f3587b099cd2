// The platform's keyboard services: key names for the active layout and the
// keyboard type. user32 in the program, fixed tables in tests.
#pragma once

#include "platform/platform_types.h"

class IKeyboardServices
{
public:
    virtual ~IKeyboardServices() {}
    // GetKeyNameTextA(lParam, pszName, cchName): the length copied, 0 when unknown.
    virtual int GetKeyNameText(LONG lParam, char* pszName, int cchName) = 0;
    // GetKeyboardType(nTypeFlag).
    virtual int GetKeyboardType(int nTypeFlag) = 0;
};
