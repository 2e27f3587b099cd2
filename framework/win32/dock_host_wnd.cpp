#include "framework/win32/dock_host_wnd.h"

#include "framework/win32/dock_context.h"

LRESULT CDockHostWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    switch (nMsg)
    {
    case WM_MOUSEMOVE: return OnMouseMove(pt);
    case WM_LBUTTONUP: return OnLButtonUp(pt);
    case WM_CAPTURECHANGED: return OnCaptureChanged((HWND)lParam);
    default: return CWnd::WindowProc(nMsg, wParam, lParam);
    }
}

POINT CDockHostWnd::ToScreen(POINT pt) const
{
    ::ClientToScreen(m_hWnd, &pt);
    return pt;
}

LRESULT CDockHostWnd::OnMouseMove(POINT pt)
{
    if (m_context.IsDragging())
        m_context.TrackDrag(ToScreen(pt));
    return 0;
}

LRESULT CDockHostWnd::OnLButtonUp(POINT pt)
{
    if (m_context.IsDragging())
        m_context.EndDrag(ToScreen(pt));
    return 0;
}

LRESULT CDockHostWnd::OnCaptureChanged(HWND hNewCapture)
{
    // Another window took the mouse: the drag ends where it began.
    if (hNewCapture != m_hWnd && m_context.IsDragging())
        m_context.CancelDrag();
    return 0;
}
