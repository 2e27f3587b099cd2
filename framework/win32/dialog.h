// A modal dialog on a template: DoModal runs it in the system's modal loop,
// from WM_INITDIALOG on its messages reach the object's WindowProc, and data
// exchange moves the fields into the controls at the start and back out on OK.
#pragma once

#include <string>

#include "framework/win32/data_exchange.h"
#include "framework/win32/wnd.h"

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

    // Runs the dialog; IDOK, IDCANCEL or what EndDialog gave, -1 when the
    // template cannot be loaded. Without an owner the application's main
    // window (or the popup it is busy with) owns the dialog.
    virtual INT_PTR DoModal(HWND hOwner = NULL);
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, (INT_PTR)nResult); }

    // FALSE: fields into controls; TRUE: controls into fields.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    UINT GetTemplateID() const { return m_nIDTemplate; }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    void EnableDlgItem(int nID, BOOL bEnable) { ::EnableWindow(GetDlgItem(nID), bEnable); }

protected:
    virtual void DoDataExchange(CDataExchange* pDX) {}
    // Loads the fields into the controls; TRUE lets the system place the focus.
    virtual BOOL OnInitDialog();
    // Saves the controls into the fields and ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL; nothing is saved.
    virtual void OnCancel();
    // WM_COMMAND; TRUE when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    UINT m_nIDTemplate;
};
