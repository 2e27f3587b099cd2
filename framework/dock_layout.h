// Where a dockable bar goes and how the frame makes room for it: the side a
// drag ends on, and the frame's client size and layout for a bar docked on a
// side or floating. The frame is fixed-size: it grows or shrinks around a
// view of fixed size, which is never scrolled or clipped.
#pragma once

#include "platform/draw_types.h"

enum EDockSide
{
    DOCK_TOP,
    DOCK_BOTTOM,
    DOCK_LEFT,
    DOCK_RIGHT,
    DOCK_FLOAT
};

class CDockLayout
{
public:
    // The side of rcClient (screen coordinates) whose edge lies within nReach
    // of (x, y), inside the client area or just outside it; the nearest one
    // when several do; DOCK_FLOAT when none does.
    static EDockSide SideAt(const CDrawRect& rcClient, int x, int y, int nReach);

    // The client size that holds the view at its own size, the bar (its size
    // on that side) unless it floats, and the status bar along the bottom.
    static CDrawSize ClientSize(EDockSide side, CDrawSize sizeView, CDrawSize sizeBar,
                                int cyStatus);

    // The bar's and the view's rectangles in a client area of sizeClient.
    static void Arrange(EDockSide side, CDrawSize sizeClient, CDrawSize sizeBar, int cyStatus,
                        CDrawRect* prcBar, CDrawRect* prcView);

    static BOOL IsVertical(EDockSide side) { return side == DOCK_LEFT || side == DOCK_RIGHT; }
};
