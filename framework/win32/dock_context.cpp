#include "framework/win32/dock_context.h"

#include <cstdlib>

#include "framework/win32/frame_wnd.h"
#include "framework/win32/tool_bar.h"

namespace
{
// The pointer stays at least this far inside the floating window it drags.
const LONG GRAB_INSET = 8;

DWORD AlignOf(EDockSide side)
{
    switch (side)
    {
    case DOCK_TOP: return CBRS_ALIGN_TOP;
    case DOCK_BOTTOM: return CBRS_ALIGN_BOTTOM;
    case DOCK_LEFT: return CBRS_ALIGN_LEFT;
    case DOCK_RIGHT: return CBRS_ALIGN_RIGHT;
    default: return 0;
    }
}

// Drawn twice, an inverting rectangle leaves the screen as it was.
void InvertOutline(const RECT& rc)
{
    HDC hDC = ::GetDC(NULL);
    ::DrawFocusRect(hDC, &rc);
    ::ReleaseDC(NULL, hDC);
}
} // namespace

CDockContext::CDockContext(CFrameWnd& frame) : m_frame(frame), m_dockBar(*this), m_miniFrame(*this)
{
}

BOOL CDockContext::Create(CToolBar& bar, DWORD dwFrameDockStyle)
{
    m_dwDockStyle = dwFrameDockStyle & bar.GetDockStyle();
    if (!m_dockBar.Create(m_frame.m_hWnd, AFX_IDW_DOCKBAR) ||
        !m_miniFrame.Create(m_frame.m_hWnd, (bar.GetBarStyle() & CBRS_SIZE_DYNAMIC) != 0))
        return FALSE;
    m_pBar = &bar;
    // Every layout's size, measured once: the outline and the sizing border use them.
    for (int nRows = 1; nRows <= bar.GetButtonCount(); ++nRows)
        m_layouts.push_back(bar.CalcLayout(nRows));
    if (m_layouts.empty())
        m_layouts.push_back(bar.CalcLayout(1));
    bar.CalcLayout(1);
    return TRUE;
}

BOOL CDockContext::IsAllowed(EDockSide side) const
{
    return (m_dwDockStyle & AlignOf(side)) != 0;
}

CDrawSize CDockContext::StripSize(BOOL bVertical) const
{
    // Docked, the buttons stand in one row, or in one column on a side.
    SIZE size = CDockBar::SizeFor(bVertical ? m_layouts.back() : m_layouts.front(), bVertical);
    return CDrawSize{size.cx, size.cy};
}

RECT CDockContext::FloatRectAt(POINT ptTopLeft) const
{
    return m_miniFrame.WindowRectFor(m_layouts[m_nFloatRows - 1], ptTopLeft);
}

CDrawSize CDockContext::GetDockedSize() const
{
    if (m_pBar == nullptr || m_side == DOCK_FLOAT)
        return CDrawSize{0, 0};
    return StripSize(CDockLayout::IsVertical(m_side));
}

void CDockContext::Dock(EDockSide side)
{
    if (m_pBar == nullptr)
        return;
    if (!IsAllowed(side))
    {
        side = DOCK_FLOAT;
        for (EDockSide other : {DOCK_TOP, DOCK_BOTTOM, DOCK_LEFT, DOCK_RIGHT})
            if (IsAllowed(other))
            {
                side = other;
                break;
            }
    }
    if (side == DOCK_FLOAT)
        return; // no side takes it
    // Back from a floating window on another monitor: the frame's DPI again.
    if (m_frame.GetDpi() != 0 && m_pBar->GetDpi() != m_frame.GetDpi())
    {
        m_pBar->SetDpi(m_frame.GetDpi());
        MeasureLayouts();
    }
    BOOL bVertical = CDockLayout::IsVertical(side);
    m_side = side;
    m_lastDocked = side;
    m_pBar->CalcLayout(bVertical ? m_pBar->GetButtonCount() : 1);
    ::SetParent(m_pBar->m_hWnd, m_dockBar.m_hWnd);
    POINT ptOrigin = CDockBar::ControlOrigin(bVertical);
    ::SetWindowPos(m_pBar->m_hWnd, NULL, ptOrigin.x, ptOrigin.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::ShowWindow(m_miniFrame.m_hWnd, SW_HIDE);
    ::ShowWindow(m_dockBar.m_hWnd, SW_SHOWNA);
    ::InvalidateRect(m_dockBar.m_hWnd, NULL, TRUE);
    m_frame.OnBarDockChanged();
}

void CDockContext::Float(POINT ptTopLeft)
{
    if (m_pBar == nullptr)
        return;
    m_side = DOCK_FLOAT;
    m_bFloatedOnce = TRUE;
    SIZE size = m_pBar->CalcLayout(m_nFloatRows);
    ::SetParent(m_pBar->m_hWnd, m_miniFrame.m_hWnd);
    ::SetWindowPos(m_pBar->m_hWnd, NULL, CMiniDockFrameWnd::BORDER, CMiniDockFrameWnd::BORDER, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RECT rc = m_miniFrame.WindowRectFor(size, ptTopLeft);
    KeepCaptionReachable(&rc);
    ::SetWindowPos(m_miniFrame.m_hWnd, HWND_TOP, rc.left, rc.top, rc.right - rc.left,
                   rc.bottom - rc.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::ShowWindow(m_dockBar.m_hWnd, SW_HIDE);
    m_frame.OnBarDockChanged();
}

void CDockContext::RemeasureBar()
{
    if (m_pBar == nullptr)
        return;
    MeasureLayouts();
    if (m_side == DOCK_FLOAT)
        Float(GetFloatTopLeft());
    else
        Dock(m_side);
}

void CDockContext::MeasureLayouts()
{
    m_layouts.clear();
    for (int nRows = 1; nRows <= m_pBar->GetButtonCount(); ++nRows)
        m_layouts.push_back(m_pBar->CalcLayout(nRows));
    if (m_layouts.empty())
        m_layouts.push_back(m_pBar->CalcLayout(1));
    if (m_nFloatRows > (int)m_layouts.size())
        m_nFloatRows = (int)m_layouts.size();
}

void CDockContext::OnFloatDpiChanged(UINT nDpi, const RECT& rcSuggested)
{
    if (m_pBar == nullptr || m_side != DOCK_FLOAT)
        return;
    m_pBar->SetDpi(nDpi);
    // Its size follows from the bar's new rows; the place is the suggested one.
    ::SetWindowPos(m_miniFrame.m_hWnd, NULL, rcSuggested.left, rcSuggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RemeasureBar();
}

void CDockContext::KeepCaptionReachable(RECT* prcWindow) const
{
    // A caption off every monitor (a remembered place on a monitor since
    // unplugged) could never be dragged back: move the window into the
    // nearest monitor's work area.
    POINT ptCaption = {(prcWindow->left + prcWindow->right) / 2,
                       prcWindow->top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 1};
    if (::MonitorFromPoint(ptCaption, MONITOR_DEFAULTTONULL) != NULL)
        return;
    MONITORINFO mi;
    mi.cbSize = sizeof mi;
    if (!::GetMonitorInfoA(::MonitorFromRect(prcWindow, MONITOR_DEFAULTTONEAREST), &mi))
        return;
    const RECT& rcWork = mi.rcWork;
    LONG dx = 0, dy = 0;
    if (prcWindow->right > rcWork.right)
        dx = rcWork.right - prcWindow->right;
    if (prcWindow->left + dx < rcWork.left)
        dx = rcWork.left - prcWindow->left;
    if (prcWindow->bottom > rcWork.bottom)
        dy = rcWork.bottom - prcWindow->bottom;
    if (prcWindow->top + dy < rcWork.top)
        dy = rcWork.top - prcWindow->top;
    ::OffsetRect(prcWindow, dx, dy);
}

POINT CDockContext::GetFloatTopLeft() const
{
    RECT rc = {0, 0, 0, 0};
    ::GetWindowRect(m_miniFrame.m_hWnd, &rc);
    return POINT{rc.left, rc.top};
}

void CDockContext::ToggleDocking()
{
    if (m_side != DOCK_FLOAT)
    {
        // The first time below the frame's top-left corner, later where it floated last.
        POINT pt = {0, 0};
        if (m_bFloatedOnce)
        {
            RECT rcFloat;
            ::GetWindowRect(m_miniFrame.m_hWnd, &rcFloat);
            pt = POINT{rcFloat.left, rcFloat.top};
        }
        else
        {
            ::ClientToScreen(m_frame.m_hWnd, &pt);
            pt.x += DOCK_REACH * 2;
            pt.y += DOCK_REACH * 2;
        }
        Float(pt);
    }
    else
        Dock(m_lastDocked);
}

RECT CDockContext::ClientOnScreen() const
{
    RECT rc;
    ::GetClientRect(m_frame.m_hWnd, &rc);
    ::MapWindowPoints(m_frame.m_hWnd, NULL, (POINT*)&rc, 2);
    return rc;
}

EDockSide CDockContext::TargetAt(POINT ptScreen) const
{
    EDockSide side =
        CDockLayout::SideAt(ClientOnScreen(), ptScreen.x, ptScreen.y, DOCK_REACH);
    return side != DOCK_FLOAT && IsAllowed(side) ? side : DOCK_FLOAT;
}

RECT CDockContext::OutlineFor(EDockSide target, POINT ptScreen) const
{
    if (target == DOCK_FLOAT)
        return FloatRectAt(POINT{ptScreen.x - m_ptGrab.x, ptScreen.y - m_ptGrab.y});
    // Where the strip will lie: the frame's own layout, status bar included.
    RECT rcClient = ClientOnScreen();
    CDrawSize sizeClient = {rcClient.right - rcClient.left, rcClient.bottom - rcClient.top};
    CDrawRect rcBar;
    CDockLayout::Arrange(target, sizeClient, StripSize(CDockLayout::IsVertical(target)),
                         m_cyStatusBar, &rcBar, nullptr);
    ::OffsetRect(&rcBar, rcClient.left, rcClient.top);
    return rcBar;
}

void CDockContext::BeginDrag(HWND hHost, POINT ptScreen)
{
    if (m_pBar == nullptr)
        return;
    RECT rcHost;
    ::GetWindowRect(hHost, &rcHost);
    // Grabbed far along a long strip, the floating window still comes under the pointer.
    RECT rcFloat = FloatRectAt(POINT{0, 0});
    m_ptGrab = POINT{ptScreen.x - rcHost.left, ptScreen.y - rcHost.top};
    if (m_ptGrab.x > rcFloat.right - GRAB_INSET)
        m_ptGrab.x = rcFloat.right - GRAB_INSET;
    if (m_ptGrab.y > rcFloat.bottom - GRAB_INSET)
        m_ptGrab.y = rcFloat.bottom - GRAB_INSET;
    m_ptStart = ptScreen;
    m_hCapture = hHost;
    ::SetCapture(hHost);
    TrackDrag(ptScreen);
}

void CDockContext::TrackDrag(POINT ptScreen)
{
    RECT rc = OutlineFor(TargetAt(ptScreen), ptScreen);
    if (::EqualRect(&rc, &m_rcOutline))
        return;
    EraseOutline();
    InvertOutline(rc);
    m_rcOutline = rc;
}

void CDockContext::EndDrag(POINT ptScreen)
{
    BOOL bMoved = std::abs(ptScreen.x - m_ptStart.x) >= ::GetSystemMetrics(SM_CXDRAG) ||
                  std::abs(ptScreen.y - m_ptStart.y) >= ::GetSystemMetrics(SM_CYDRAG);
    CancelDrag();
    if (!bMoved)
        return; // a click is no move
    EDockSide target = TargetAt(ptScreen);
    POINT ptTopLeft = {ptScreen.x - m_ptGrab.x, ptScreen.y - m_ptGrab.y};
    if (target == DOCK_FLOAT && m_side == DOCK_FLOAT)
        // Only moved: its rows, its parent and the frame stay as they are.
        ::SetWindowPos(m_miniFrame.m_hWnd, HWND_TOP, ptTopLeft.x, ptTopLeft.y, 0, 0,
                       SWP_NOSIZE | SWP_NOACTIVATE);
    else if (target == DOCK_FLOAT)
        Float(ptTopLeft);
    else if (target != m_side)
        Dock(target);
}

void CDockContext::CancelDrag()
{
    // Over before the capture goes, so the host's WM_CAPTURECHANGED finds no drag.
    HWND hCapture = m_hCapture;
    m_hCapture = NULL;
    EraseOutline();
    if (::GetCapture() == hCapture)
        ::ReleaseCapture();
}

void CDockContext::EraseOutline()
{
    if (::IsRectEmpty(&m_rcOutline))
        return;
    InvertOutline(m_rcOutline);
    ::SetRectEmpty(&m_rcOutline);
}

void CDockContext::SnapFloatRect(UINT nEdge, RECT* prcWindow)
{
    if (m_pBar == nullptr || (m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) == 0)
        return;
    RECT rcEmpty = m_miniFrame.WindowRectFor(SIZE{0, 0}, POINT{0, 0});
    int cxWanted = (prcWindow->right - prcWindow->left) - (rcEmpty.right - rcEmpty.left);
    int cyWanted = (prcWindow->bottom - prcWindow->top) - (rcEmpty.bottom - rcEmpty.top);
    // Dragged up or down, the height chooses the rows; otherwise the width.
    BOOL bByHeight = nEdge == WMSZ_TOP || nEdge == WMSZ_BOTTOM;
    int nRows = bByHeight ? 1 : (int)m_layouts.size();
    for (int i = 0; i < (int)m_layouts.size(); ++i)
    {
        if (bByHeight && m_layouts[i].cy <= cyWanted)
            nRows = i + 1;
        if (!bByHeight && m_layouts[i].cx <= cxWanted)
        {
            nRows = i + 1;
            break;
        }
    }
    RECT rc = m_miniFrame.WindowRectFor(m_layouts[nRows - 1], POINT{0, 0});
    BOOL bFromLeft = nEdge == WMSZ_LEFT || nEdge == WMSZ_TOPLEFT || nEdge == WMSZ_BOTTOMLEFT;
    BOOL bFromTop = nEdge == WMSZ_TOP || nEdge == WMSZ_TOPLEFT || nEdge == WMSZ_TOPRIGHT;
    // The edge that is not dragged stays where it is.
    if (bFromLeft)
        prcWindow->left = prcWindow->right - (rc.right - rc.left);
    else
        prcWindow->right = prcWindow->left + (rc.right - rc.left);
    if (bFromTop)
        prcWindow->top = prcWindow->bottom - (rc.bottom - rc.top);
    else
        prcWindow->bottom = prcWindow->top + (rc.bottom - rc.top);
}

void CDockContext::OnFloatSize()
{
    if (m_pBar == nullptr || m_side != DOCK_FLOAT)
        return;
    // From the size the window has, not the one last asked for: a sizing
    // cancelled with Esc puts the old size back without WM_SIZING.
    RECT rcClient;
    ::GetClientRect(m_miniFrame.m_hWnd, &rcClient);
    int cyFree = rcClient.bottom - 2 * CMiniDockFrameWnd::BORDER;
    m_nFloatRows = 1;
    for (int i = 0; i < (int)m_layouts.size(); ++i)
        if (m_layouts[i].cy <= cyFree)
            m_nFloatRows = i + 1;
    m_pBar->CalcLayout(m_nFloatRows);
}
