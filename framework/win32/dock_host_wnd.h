// What the docked strip and the floating window share: each starts a drag of
// the tool bar on its own, then holds the mouse capture while the dock
// context follows the pointer to where the bar goes.
#pragma once

#include "framework/win32/wnd.h"

class CDockContext;

class CDockHostWnd : public CWnd
{
protected:
    explicit CDockHostWnd(CDockContext& context) : m_context(context) {}

    // The drag's moves, its end and its loss of the capture.
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    POINT ToScreen(POINT pt) const;

    CDockContext& m_context;

private:
    LRESULT OnMouseMove(POINT pt);
    LRESULT OnLButtonUp(POINT pt);
    LRESULT OnCaptureChanged(HWND hNewCapture);
};
