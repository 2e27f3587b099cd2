#include "framework/win32/dialog.h"

#include "framework/win32/win_app.h"

INT_PTR CDialog::DoModal(HWND hOwner)
{
    if (hOwner == NULL)
        hOwner = AfxGetModalOwner();
    return ::DialogBoxParamA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(m_nIDTemplate), hOwner,
                             &CDialog::StartProc, (LPARAM)this);
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
    case WM_COMMAND: return OnCommand(wParam, lParam) ? 0 : Default(nMsg, wParam, lParam);
    default: return Default(nMsg, wParam, lParam);
    }
}

INT_PTR CALLBACK CDialog::StartProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // The system's dialog procedure calls this for every message; only the
    // first WM_INITDIALOG matters: from then on the window's own procedure is
    // the object's, which hands the rest to the system's dialog procedure.
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = (CDialog*)lParam;
    if (!pDlg->Attach(hWnd))
    {
        // A dialog whose messages would not reach its object does nothing it should.
        ::EndDialog(hWnd, -1);
        return FALSE;
    }
    return pDlg->WindowProc(nMsg, wParam, lParam);
}
