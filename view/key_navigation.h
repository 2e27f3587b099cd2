// Where the focus cue goes when a key is pressed on the keyboard view. Both
// keyboards are one grid of cap rectangles, the base one above the remapped
// one, so Down from the base keyboard's bottom row reaches the remapped
// keyboard's top row.
#pragma once

#include <vector>

#include "platform/draw_types.h"

struct CNavCap
{
    CDrawRect rect;
    BOOL bOnRemapBoard;
    WORD wScancode; // the same key on the other keyboard has the same code
};

class CKeyNavigation
{
public:
    enum EMove
    {
        NAV_LEFT,
        NAV_RIGHT,
        NAV_UP,
        NAV_DOWN,
        NAV_ROW_START,   // Home: the row's leftmost cap
        NAV_ROW_END,     // End: the row's rightmost cap
        NAV_BOARD_FIRST, // Ctrl+Home: the keyboard's top-left cap
        NAV_BOARD_LAST,  // Ctrl+End: the keyboard's bottom-right cap
        NAV_BOARD_ABOVE, // Page Up: the same key on the base keyboard
        NAV_BOARD_BELOW  // Page Down: the same key on the remapped keyboard
    };

    explicit CKeyNavigation(const std::vector<CNavCap>& caps) : m_caps(caps) {}

    // The cap the move leads to from nFrom; nFrom itself when there is none
    // in that direction. Caps with an empty rectangle are never reached.
    int Move(int nFrom, EMove move) const;

private:
    int Beside(int nFrom, int nSign) const;
    int Across(int nFrom, int nSign) const;
    int RowEnd(int nFrom, int nSign) const;
    int BoardCorner(int nFrom, int nSign) const;
    int Twin(int nFrom, BOOL bToRemapBoard) const;
    BOOL IsReachable(int i) const;

    const std::vector<CNavCap>& m_caps;
};
