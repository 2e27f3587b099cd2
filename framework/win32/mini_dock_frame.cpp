#include "framework/win32/mini_dock_frame.h"

#include "framework/instance_name.h"
#include "framework/win32/dock_context.h"
#include "framework/win32/window_dpi.h"

namespace
{
const char s_szMiniFrameClass[] = VELLORIC_INSTANCE_NAME ".minidockframe";
const DWORD MINI_FRAME_EX_STYLE = WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
} // namespace

BOOL CMiniDockFrameWnd::Create(HWND hOwner, BOOL bSizable)
{
    if (!RegisterWindowClass(s_szMiniFrameClass, CS_DBLCLKS, NULL, (HBRUSH)(COLOR_BTNFACE + 1)))
        return FALSE;
    RECT rc = {0, 0, 0, 0};
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | (bSizable ? WS_THICKFRAME : 0);
    return CreateEx(MINI_FRAME_EX_STYLE, s_szMiniFrameClass, dwStyle, rc, hOwner, 0);
}

RECT CMiniDockFrameWnd::WindowRectFor(SIZE sizeControl, POINT ptTopLeft) const
{
    RECT rc = {0, 0, sizeControl.cx + 2 * BORDER, sizeControl.cy + 2 * BORDER};
    DWORD dwStyle = (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    CWindowDpi::AdjustWindowRect(&rc, dwStyle, FALSE, MINI_FRAME_EX_STYLE,
                                 CWindowDpi::ForWindow(m_hWnd));
    ::OffsetRect(&rc, ptTopLeft.x - rc.left, ptTopLeft.y - rc.top);
    return rc;
}

LRESULT CMiniDockFrameWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    switch (nMsg)
    {
    case WM_NCLBUTTONDOWN: return OnNcLButtonDown((UINT)wParam, pt);
    case WM_NCLBUTTONDBLCLK: return OnNcLButtonDblClk(wParam, lParam);
    case WM_SIZING: return OnSizing((UINT)wParam, (RECT*)lParam);
    case WM_SIZE: return OnSize();
    case WM_DPICHANGED: return OnDpiChanged(HIWORD(wParam), (const RECT*)lParam);
    // Clicking the bar must not take the activation from the main window.
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return CDockHostWnd::WindowProc(nMsg, wParam, lParam);
    }
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, POINT ptScreen)
{
    // The caption moves the bar our way (it may dock); the borders are the system's.
    if (nHitTest != HTCAPTION)
        return Default(WM_NCLBUTTONDOWN, nHitTest, MAKELPARAM(ptScreen.x, ptScreen.y));
    m_context.BeginDrag(m_hWnd, ptScreen);
    return 0;
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam)
{
    // wParam is the hit-test code: only the caption is ours.
    if (wParam != HTCAPTION)
        return Default(WM_NCLBUTTONDBLCLK, wParam, lParam);
    m_context.ToggleDocking();
    return 0;
}

LRESULT CMiniDockFrameWnd::OnSizing(UINT nEdge, RECT* prc)
{
    m_context.SnapFloatRect(nEdge, prc);
    return TRUE;
}

LRESULT CMiniDockFrameWnd::OnSize()
{
    m_context.OnFloatSize();
    return 0;
}

LRESULT CMiniDockFrameWnd::OnDpiChanged(UINT nDpi, const RECT* prcSuggested)
{
    m_context.OnFloatDpiChanged(nDpi, *prcSuggested);
    return 0;
}
