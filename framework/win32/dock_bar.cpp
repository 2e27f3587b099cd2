#include "framework/win32/dock_bar.h"

#include "framework/win32/dock_context.h"

namespace
{
const char s_szDockBarClass[] = "quendalo.velloric.dockbar";
}

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
    case WM_LBUTTONDBLCLK: return OnLButtonDblClk(pt);
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
    for (int i = 0; i < 2; ++i)
    {
        RECT rcGrip = rc;
        int nAt = BORDER + 1 + i * 3;
        if (bVertical)
        {
            rcGrip = {rc.left + BORDER + 1, nAt, rc.right - BORDER - 1, nAt + 3};
        }
        else
        {
            rcGrip = {nAt, rc.top + BORDER + 1, nAt + 3, rc.bottom - BORDER - 1};
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

LRESULT CDockBar::OnLButtonDblClk(POINT pt)
{
    m_context.ToggleDocking();
    return 0;
}
