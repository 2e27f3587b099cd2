// Where the framework's message boxes end up: the real MessageBoxA in the
// program, a scripted answerer in tests.
#pragma once

#include "platform/platform_types.h"

class IMessageBoxSink
{
public:
    virtual ~IMessageBoxSink() {}
    // Shows text under caption with the final box type; returns the button (IDOK, IDYES, ...).
    virtual int Show(const char* pszText, const char* pszCaption, UINT nType) = 0;
};
