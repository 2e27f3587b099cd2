#include "dialogs/win32/password_confirm_dialog.h"

#include "framework/secure_zero.h"
#include "res/resource.h"

CPasswordConfirmDialog::CPasswordConfirmDialog() : CDialog(IDD_PASSWORD_CONFIRM)
{
}

CPasswordConfirmDialog::~CPasswordConfirmDialog()
{
    SecureZeroString(m_strConfirm);
}

void CPasswordConfirmDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PASSWORD_CONFIRM, m_strConfirm);
}
