#include "framework/win32/dialog.h"

#include "framework/win32/win_app.h"

INT_PTR CDialog::DoModal(HWND hOwner)
{
    if (hOwner == NULL)
        hOwner = AfxGetModalOwner();
    return ::DialogBoxParamA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(m_nIDTemplate), hOwner,
                             &CWnd::DialogProc, (LPARAM)this);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam))
    {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: return FALSE;
    }
}

LRESULT CDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return OnCommand(wParam, lParam) ? 0 : CWnd::WindowProc(nMsg, wParam, lParam);
    default: return CWnd::WindowProc(nMsg, wParam, lParam);
    }
}
