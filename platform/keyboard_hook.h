// Takes the next keys the user presses before any window sees them, for
// "Press a key...": a low-level keyboard hook in the program. Presses and
// releases are handed on alike; a release carries KEY_FLAG_UP.
#pragma once

#include "platform/platform_types.h"

enum
{
    KEY_FLAG_EXTENDED = 0x01, // LLKHF_EXTENDED: the key came with E0
    KEY_FLAG_INJECTED = 0x10, // LLKHF_INJECTED: a program sent it
    KEY_FLAG_UP = 0x80        // LLKHF_UP: a release
};

class IKeyPressSink
{
public:
    virtual ~IKeyPressSink() {}
    // One key event as the hook saw it: the virtual key (0 where the system
    // gives none), the scan code and the hook's flags. TRUE swallows the
    // event: no window receives it.
    virtual BOOL OnKeyPressed(DWORD dwVirtualKey, DWORD dwScanCode, DWORD dwFlags) = 0;
};

class IKeyboardHook
{
public:
    virtual ~IKeyboardHook() {}
    // FALSE when the system refuses the hook. One sink at a time.
    virtual BOOL Start(IKeyPressSink* pSink) = 0;
    virtual void Stop() = 0;
};
