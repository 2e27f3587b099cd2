// The docked tool bar's window: a strip along one edge of the frame that
// holds the tool bar control behind a gripper. Dragging the gripper (or any
// free part of the strip) moves the bar; a double click floats it.
#pragma once

#include "framework/win32/dock_host_wnd.h"

class CDockBar : public CDockHostWnd
{
public:
    enum
    {
        BORDER = 2,  // around the control
        GRIPPER = 8  // before the control: at the left, or at the top of a vertical bar
    };

    explicit CDockBar(CDockContext& context) : CDockHostWnd(context) {}
    BOOL Create(HWND hFrame, UINT nID);
    // Where the control goes in a strip of this orientation, and the strip's
    // size around a control of sizeControl.
    static POINT ControlOrigin(BOOL bVertical);
    static SIZE SizeFor(SIZE sizeControl, BOOL bVertical);

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
    LRESULT OnLButtonDown(POINT pt);
    LRESULT OnLButtonDblClk();
};
