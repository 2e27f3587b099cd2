#include "framework/win32/dock_bar.h"

#include "framework/instance_name.h"
#include "framework/win32/dock_context.h"

namespace
{
const char s_szDockBarClass[] = VELLORIC_INSTANCE_NAME ".dockbar";
// The gripper: two raised ridges, each this wide, side by side.
const int GRIP_RIDGES = 2;
const int GRIP_RIDGE_WIDTH = 3;
} // namespace

BOOL CDockBar::Create(HWND hFrame, UINT nID)
{
    if (!RegisterWindowClass(s_szDockBarClass, CS_DBLCLKS, NULL, (HBRUSH)(COLOR_BTNFACE + 1)))
        return FALSE;
    RECT rc = {0, 0, 0, 0};
    return CreateEx(0, s_szDockBarClass, WS_CHILD | WS_CLIPCHILDREN, rc, hFrame, nID);
}

POINT CDockBar::ControlOrigin(BOOL bVertical)
{
    POINT pt = {BORDER, BORDER};
    if (bVertical)
        pt.y += GRIPPER;
    else
        pt.x += GRIPPER;
    return pt;
}

SIZE CDockBar::SizeFor(SIZE sizeControl, BOOL bVertical)
{
    POINT ptOrigin = ControlOrigin(bVertical);
    return SIZE{ptOrigin.x + sizeControl.cx + BORDER, ptOrigin.y + sizeControl.cy + BORDER};
}

LRESULT CDockBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    switch (nMsg)
    {
    case WM_PAINT: return OnPaint();
    case WM_LBUTTONDOWN: return OnLButtonDown(pt);
    case WM_LBUTTONDBLCLK: return OnLButtonDblClk();
    default: return CDockHostWnd::WindowProc(nMsg, wParam, lParam);
    }
}

LRESULT CDockBar::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    ::DrawEdge(hDC, &rc, BDR_RAISEDINNER, BF_RECT);
    BOOL bVertical = CDockLayout::IsVertical(m_context.GetSide());
    // Two raised ridges across the leading edge: the handle to drag.
    for (int i = 0; i < GRIP_RIDGES; ++i)
    {
        RECT rcGrip = rc;
        int nAt = BORDER + 1 + i * GRIP_RIDGE_WIDTH;
        if (bVertical)
        {
            rcGrip = {rc.left + BORDER + 1, nAt, rc.right - BORDER - 1, nAt + GRIP_RIDGE_WIDTH};
        }
        else
        {
            rcGrip = {nAt, rc.top + BORDER + 1, nAt + GRIP_RIDGE_WIDTH, rc.bottom - BORDER - 1};
        }
        ::DrawEdge(hDC, &rcGrip, BDR_RAISEDINNER, BF_RECT);
    }
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

LRESULT CDockBar::OnLButtonDown(POINT pt)
{
    m_context.BeginDrag(m_hWnd, ToScreen(pt));
    return 0;
}

LRESULT CDockBar::OnLButtonDblClk()
{
    m_context.ToggleDocking();
    return 0;
}
