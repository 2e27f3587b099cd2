#include "view/key_cap_state.h"

#include "view/key_draw_types.h"

int CKeyCapState::ApplyRequest(int nState, int nRequest)
{
    switch (nRequest)
    {
    case KEYSTATE_UP:
        return 0;
    case KEYSTATE_DOWN:
        return STATE_PRESSED;
    case KEYSTATE_HILITE:
        return (nState | STATE_HILITE) & STATE_MASK;
    case KEYSTATE_UNHILITE:
        return nState & ~STATE_HILITE & STATE_MASK;
    default:
        return nState & STATE_MASK;
    }
}

CKeyCapLook CKeyCapState::GetLook(int nState, BOOL bOnRemapBoard, BOOL bRemapped,
                                  int nButtonTextType)
{
    CKeyCapLook look;
    look.nEdge = KEY_EDGE_RAISED;
    look.nOffset = 0;
    look.crText = bRemapped ? KEY_COLOR_RED : KEY_COLOR_BLACK;
    if (nState & STATE_HILITE)
    {
        // A drop target is blue even when it is remapped.
        look.nEdge = KEY_EDGE_SUNKEN;
        look.nOffset = 1;
        look.crText = KEY_COLOR_BLUE;
    }
    else if ((nState & STATE_MASK) == STATE_PRESSED)
    {
        look.nEdge = KEY_EDGE_SUNKEN;
        look.nOffset = 1;
    }
    else if (bOnRemapBoard && !bRemapped)
        look.nEdge = KEY_EDGE_ETCHED; // a remapped-keyboard key that sends its own code

    look.bStyleCopy = nButtonTextType > 0;
    look.nStyleShift = 0;
    if (nButtonTextType == STYLE_RAISED)
        look.nStyleShift = -1;
    else if (nButtonTextType == STYLE_SUNK)
        look.nStyleShift = 1;
    return look;
}
