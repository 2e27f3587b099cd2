// Dialog data exchange: one call per field moves it into its control
// (loading) or back out of it (saving), in the direction the record says.
// There is no validation: saving cannot fail.
#pragma once

#include <string>

#include "platform/platform_types.h"

class CDialog;

class CDataExchange
{
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    // The control nID of the dialog (NULL when the template has none).
    HWND PrepareCtrl(int nIDC) const;

    BOOL m_bSaveAndValidate; // TRUE: controls to fields; FALSE: fields to controls
    CDialog* m_pDlgWnd;
};

// Edit or static text <-> byte string in the ANSI code page.
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// Check box state (0, 1 or 2 for indeterminate) <-> int; BOOL is an int too.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
