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

INT_PTR CALLBACK CFormView::InitDialogProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_INITDIALOG)
    {
        // From here on the form's messages go through the object's WindowProc.
        ((CFormView*)lParam)->Attach(hWnd);
        return FALSE;
    }
    return FALSE;
}
