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

CKeyCapContrastLook CKeyCapState::GetContrastLook(int nState, BOOL bOnRemapBoard, BOOL bRemapped,
                                                  BOOL bOff)
{
    CKeyCapContrastLook look = {KEY_SYSCOLOR_BTNFACE, KEY_SYSCOLOR_BTNTEXT, KEY_EDGE_RAISED, 0, FALSE};
    if ((nState & STATE_HILITE) != 0 || (nState & STATE_MASK) == STATE_PRESSED)
    {
        // The drop target and the key picked up (or pressed) stand out alike.
        look.nFace = KEY_SYSCOLOR_HIGHLIGHT;
        look.nText = KEY_SYSCOLOR_HIGHLIGHTTEXT;
        look.nEdge = KEY_EDGE_SUNKEN;
        look.nOffset = 1;
        look.bMarkRemapped = bRemapped;
    }
    else if (bRemapped)
    {
        look.nFace = KEY_SYSCOLOR_HIGHLIGHT;
        look.nText = KEY_SYSCOLOR_HIGHLIGHTTEXT;
        look.bMarkRemapped = TRUE;
    }
    else if (bOnRemapBoard)
    {
        look.nEdge = KEY_EDGE_ETCHED;
        if (bOff)
            look.nText = KEY_SYSCOLOR_GRAYTEXT;
    }
    return look;
}
