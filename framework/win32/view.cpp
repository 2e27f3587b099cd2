#include "framework/win32/view.h"

#include "framework/win32/frame_wnd.h"

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CFormView::Create(HWND hParent, UINT nID)
{
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(m_nIDTemplate),
                                     hParent, &CFormView::InitDialogProc, (LPARAM)this);
    if (hWnd == NULL)
        return FALSE;
    if (m_hWnd != hWnd)
    {
        // Not adopted: its messages would never reach the view.
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    ::SetWindowLongPtrA(hWnd, GWLP_ID, (LONG_PTR)nID);
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    m_sizeTemplate.cx = rc.right - rc.left;
    m_sizeTemplate.cy = rc.bottom - rc.top;
    ::ShowWindow(hWnd, SW_SHOW);
    return TRUE;
}

void CFormView::ResizeParentToFit()
{
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(::GetParent(m_hWnd)));
    if (pFrame != nullptr)
        pFrame->ResizeParentToFit(m_sizeTemplate.cx, m_sizeTemplate.cy);
}

INT_PTR CALLBACK CFormView::InitDialogProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM lParam)
{
    // From WM_INITDIALOG on, the form's messages go through the object's WindowProc.
    if (nMsg == WM_INITDIALOG)
        ((CFormView*)lParam)->Attach(hWnd);
    return FALSE;
}
