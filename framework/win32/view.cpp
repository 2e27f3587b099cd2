#include "framework/win32/view.h"

#include "framework/dpi_scale.h"
#include "framework/win32/frame_wnd.h"
#include "framework/win32/window_dpi.h"

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

CFormView::~CFormView()
{
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
}

BOOL CFormView::Create(HWND hParent, UINT nID)
{
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(m_nIDTemplate),
                                     hParent, &CWnd::DialogProc, (LPARAM)this);
    if (hWnd == NULL)
        return FALSE;
    ::SetWindowLongPtrA(hWnd, GWLP_ID, (LONG_PTR)nID);
    // Scaled here alike on every Windows, never twice by Windows 10 as well.
    CWindowDpi::TakeOverDialogScaling(hWnd);
    m_nDpi = CWindowDpi::ForWindow(hWnd);
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    m_sizeTemplate.cx = rc.right - rc.left;
    m_sizeTemplate.cy = rc.bottom - rc.top;
    ::ShowWindow(hWnd, SW_SHOW);
    return TRUE;
}

HFONT CFormView::GetFormFont() const
{
    if (m_hFont != NULL)
        return m_hFont;
    return m_hWnd != NULL ? (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0) : NULL;
}

void CFormView::RememberBaseLayout()
{
    m_nBaseDpi = m_nDpi;
    m_sizeBase = m_sizeTemplate;
    HFONT hFont = (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0);
    ::GetObjectA(hFont != NULL ? (HGDIOBJ)hFont : ::GetStockObject(DEFAULT_GUI_FONT),
                 sizeof m_lfBase, &m_lfBase);
    m_baseChildren.clear();
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CChildPlace place = {hChild, {0, 0, 0, 0}};
        ::GetWindowRect(hChild, &place.rc);
        ::MapWindowPoints(NULL, m_hWnd, (POINT*)&place.rc, 2);
        m_baseChildren.push_back(place);
    }
}

void CFormView::OnDpiChanged(UINT nDpi)
{
    if (m_hWnd == NULL || nDpi == 0 || nDpi == m_nDpi)
        return;
    if (m_nBaseDpi == 0)
        RememberBaseLayout();
    LOGFONTA lf = m_lfBase;
    lf.lfHeight = CDpiScale::ScaleFontHeight(lf.lfHeight, (int)nDpi, (int)m_nBaseDpi);
    // Only the controls are told: a dialog may take a font set on it as its
    // own and delete it when it goes.
    HFONT hFont = ::CreateFontIndirectA(&lf);
    for (const CChildPlace& place : m_baseChildren)
    {
        // A control gone since (the key buttons the caps replaced) is skipped.
        if (!::IsWindow(place.hWnd) || ::GetParent(place.hWnd) != m_hWnd)
            continue;
        RECT rc = CDpiScale::ScaleRect(place.rc, (int)nDpi, (int)m_nBaseDpi);
        ::SendMessageA(place.hWnd, WM_SETFONT, (WPARAM)hFont, FALSE);
        ::MoveWindow(place.hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, FALSE);
    }
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
    m_hFont = hFont;
    m_sizeTemplate.cx = CDpiScale::Scale(m_sizeBase.cx, (int)nDpi, (int)m_nBaseDpi);
    m_sizeTemplate.cy = CDpiScale::Scale(m_sizeBase.cy, (int)nDpi, (int)m_nBaseDpi);
    m_nDpi = nDpi;
    ResizeParentToFit();
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CFormView::ResizeParentToFit()
{
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(::GetParent(m_hWnd)));
    if (pFrame != nullptr)
        pFrame->ResizeParentToFit(m_sizeTemplate.cx, m_sizeTemplate.cy);
}
