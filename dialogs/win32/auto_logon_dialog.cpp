#include "dialogs/win32/auto_logon_dialog.h"

#include "dialogs/win32/password_confirm_dialog.h"
#include "res/resource.h"

CAutoLogonDialog::CAutoLogonDialog(IRegistry& registry, IUserNameSource& userName,
                                   ISecretStore& secrets)
    : CDialog(IDD_AUTOLOGON), CAutoLogonSettings(registry, userName, secrets)
{
    Load();
}

void CAutoLogonDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_AUTOLOGON_PASSWORD, m_strPassword);
    DDX_Text(pDX, IDC_AUTOLOGON_USER_NAME, m_strUserName);
    DDX_Check(pDX, IDC_AUTOLOGON_ENABLE, m_bAutoLogon);
    DDX_Text(pDX, IDC_AUTOLOGON_DOMAIN_NAME, m_strDomainName);
}

BOOL CAutoLogonDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnableLogonFields();
    return TRUE;
}

BOOL CAutoLogonDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam))
    {
    case IDC_AUTOLOGON_ENABLE: OnAutoLogonClicked(HIWORD(wParam)); return TRUE;
    default: return CDialog::OnCommand(wParam, lParam);
    }
}

void CAutoLogonDialog::OnAutoLogonClicked(UINT nNotifyCode)
{
    if (nNotifyCode != BN_CLICKED)
        return;
    UpdateData(TRUE);
    EnableLogonFields();
}

void CAutoLogonDialog::EnableLogonFields()
{
    BOOL bEnable = m_bAutoLogon != 0;
    EnableDlgItem(IDC_AUTOLOGON_USER_NAME, bEnable);
    EnableDlgItem(IDC_AUTOLOGON_PASSWORD, bEnable);
    EnableDlgItem(IDC_AUTOLOGON_DOMAIN_NAME, bEnable);
}

void CAutoLogonDialog::OnOK()
{
    UpdateData(TRUE);
    if (m_bAutoLogon)
    {
        // Its result does not matter: a cancelled confirmation stays empty
        // and so matches only an empty password.
        CPasswordConfirmDialog dlgConfirm;
        dlgConfirm.DoModal();
        if (!ConfirmationMatches(dlgConfirm.m_strConfirm))
            return;
    }
    // A failure is reported inside; the dialog stays open, so the user can
    // try again or cancel knowing that the settings were not all written.
    if (!Save())
        return;
    CDialog::OnOK();
}
