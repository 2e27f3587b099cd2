// A key cap's visual state: the nibble that SetState requests change, and how
// a cap in a given state is drawn (edge, label offset, colours, style copy).
#pragma once

#include "platform/platform_types.h"

struct CKeyCapLook
{
    int nEdge;          // KEY_EDGE_RAISED, _SUNKEN or _ETCHED
    int nOffset;        // the label moves by (nOffset, nOffset): 1 when sunken
    DWORD crText;       // the label's colour
    BOOL bStyleCopy;    // raised or sunk style: a white copy first, transparent background
    int nStyleShift;    // where the white copy lies: -1 up-left, +1 down-right, else 0
};

class CKeyCapState
{
public:
    enum
    {
        KEYSTATE_UP = 0,      // neither pressed nor highlighted
        KEYSTATE_DOWN = 1,    // pressed, highlight cleared
        KEYSTATE_HILITE = 2,  // highlight set, other bits kept
        KEYSTATE_UNHILITE = 4 // highlight cleared, other bits kept
    };
    enum
    {
        STATE_PRESSED = 0x1,
        STATE_HILITE = 0x2,
        STATE_MASK = 0xF
    };
    enum
    {
        STYLE_SIMPLE = 0,
        STYLE_RAISED = 1,
        STYLE_SUNK = 2
    };

    // The nibble after request nRequest; an unknown request leaves it as it is.
    static int ApplyRequest(int nState, int nRequest);

    // How a cap is drawn: its state nibble, whether it lies on the remapped
    // keyboard, whether it produces another code, and the key-name style.
    static CKeyCapLook GetLook(int nState, BOOL bOnRemapBoard, BOOL bRemapped, int nButtonTextType);
};
