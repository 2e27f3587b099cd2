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

// Under a high-contrast theme: the system colours (indices as GetSysColor
// takes them) and a mark that tells a remapped key by more than colour.
struct CKeyCapContrastLook
{
    int nFace;            // the colour the cap is filled with
    int nText;            // the label's colour
    int nEdge;
    int nOffset;
    BOOL bMarkRemapped;   // an inner frame around a remapped key's label
};

enum
{
    KEY_SYSCOLOR_HIGHLIGHT = 13,
    KEY_SYSCOLOR_HIGHLIGHTTEXT = 14,
    KEY_SYSCOLOR_BTNFACE = 15,
    KEY_SYSCOLOR_GRAYTEXT = 17,
    KEY_SYSCOLOR_BTNTEXT = 18
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
    // The same under a high-contrast theme; bOff: the key produces nothing.
    static CKeyCapContrastLook GetContrastLook(int nState, BOOL bOnRemapBoard, BOOL bRemapped, BOOL bOff);
};
