// The floating tool bar's window: a small tool window owned by the frame,
// without a close box (nothing could bring a closed bar back). Dragging its
// caption moves the bar, onto an edge of the frame to dock it; a double
// click on the caption docks it where it was docked last. With the dynamic
// size its borders resize it in steps of whole rows of buttons.
#pragma once

#include "framework/win32/dock_host_wnd.h"

class CMiniDockFrameWnd : public CDockHostWnd
{
public:
    enum
    {
        BORDER = 2 // around the control
    };

    explicit CMiniDockFrameWnd(CDockContext& context) : CDockHostWnd(context) {}
    BOOL Create(HWND hOwner, BOOL bSizable);
    // The window rectangle that holds a control of this size, at ptTopLeft.
    RECT WindowRectFor(SIZE sizeControl, POINT ptTopLeft) const;

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnNcLButtonDown(UINT nHitTest, POINT ptScreen);
    LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnSizing(UINT nEdge, RECT* prc);
    LRESULT OnSize();
    LRESULT OnDpiChanged(UINT nDpi, const RECT* prcSuggested);
};
