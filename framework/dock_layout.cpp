#include "framework/dock_layout.h"

#include <cstdlib>

namespace
{
int Larger(int a, int b)
{
    return a > b ? a : b;
}
} // namespace

EDockSide CDockLayout::SideAt(const CDrawRect& rcClient, int x, int y, int nReach)
{
    // Only a point beside the client area in the other direction counts: a
    // drop far to the left of the window's top edge is no top-edge drop.
    BOOL bAcross = x > rcClient.left - nReach && x < rcClient.right + nReach;
    BOOL bAlong = y > rcClient.top - nReach && y < rcClient.bottom + nReach;
    const struct
    {
        EDockSide side;
        int nDistance;
        BOOL bBeside;
    } edges[] = {
        {DOCK_TOP, std::abs(y - rcClient.top), bAcross},
        {DOCK_BOTTOM, std::abs(y - rcClient.bottom), bAcross},
        {DOCK_LEFT, std::abs(x - rcClient.left), bAlong},
        {DOCK_RIGHT, std::abs(x - rcClient.right), bAlong},
    };
    EDockSide nearest = DOCK_FLOAT;
    int nNearest = nReach;
    for (const auto& edge : edges)
        if (edge.bBeside && edge.nDistance < nNearest)
        {
            nearest = edge.side;
            nNearest = edge.nDistance;
        }
    return nearest;
}

CDrawSize CDockLayout::ClientSize(EDockSide side, CDrawSize sizeView, CDrawSize sizeBar,
                                  int cyStatus)
{
    switch (side)
    {
    case DOCK_TOP:
    case DOCK_BOTTOM:
        return CDrawSize{Larger(sizeView.cx, sizeBar.cx), sizeView.cy + sizeBar.cy + cyStatus};
    case DOCK_LEFT:
    case DOCK_RIGHT:
        return CDrawSize{sizeView.cx + sizeBar.cx, Larger(sizeView.cy, sizeBar.cy) + cyStatus};
    default:
        return CDrawSize{sizeView.cx, sizeView.cy + cyStatus};
    }
}

void CDockLayout::Arrange(EDockSide side, CDrawSize sizeClient, CDrawSize sizeBar, int cyStatus,
                          CDrawRect* prcBar, CDrawRect* prcView)
{
    const int cyAbove = sizeClient.cy - cyStatus; // everything but the status bar
    CDrawRect rcBar = {0, 0, 0, 0};
    CDrawRect rcView = {0, 0, sizeClient.cx, cyAbove};
    switch (side)
    {
    case DOCK_TOP:
        rcBar = {0, 0, sizeClient.cx, sizeBar.cy};
        rcView.top = sizeBar.cy;
        break;
    case DOCK_BOTTOM:
        rcBar = {0, cyAbove - sizeBar.cy, sizeClient.cx, cyAbove};
        rcView.bottom = cyAbove - sizeBar.cy;
        break;
    case DOCK_LEFT:
        rcBar = {0, 0, sizeBar.cx, cyAbove};
        rcView.left = sizeBar.cx;
        break;
    case DOCK_RIGHT:
        rcBar = {sizeClient.cx - sizeBar.cx, 0, sizeClient.cx, cyAbove};
        rcView.right = sizeClient.cx - sizeBar.cx;
        break;
    default:
        break;
    }
    if (prcBar != nullptr)
        *prcBar = rcBar;
    if (prcView != nullptr)
        *prcView = rcView;
}
