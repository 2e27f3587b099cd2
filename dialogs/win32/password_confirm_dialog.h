// Asks for the automatic logon's password once more (template 138). OK keeps
// what was typed in m_strConfirm; Cancel leaves it empty.
#pragma once

#include <string>

#include "framework/win32/dialog.h"

class CPasswordConfirmDialog : public CDialog
{
public:
    CPasswordConfirmDialog();
    // The confirmation leaves no copy behind in freed memory.
    ~CPasswordConfirmDialog() override;

    std::string m_strConfirm;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
