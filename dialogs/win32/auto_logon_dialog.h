// The automatic logon settings (template 136): the Winlogon values and the
// password are read when the object is made, shown and edited in the dialog,
// and written back on OK after the password has been typed a second time
// (only when automatic logon is on). Cancel writes nothing; a failed write
// keeps the dialog open.
#pragma once

#include "framework/win32/dialog.h"
#include "dialogs/auto_logon_settings.h"

class CAutoLogonDialog : public CDialog, public CAutoLogonSettings
{
public:
    // Loads the values; the logged-on user's name stands in for a missing user name.
    CAutoLogonDialog(IRegistry& registry, IUserNameSource& userName, ISecretStore& secrets);

    // The three edits are enabled only while automatic logon is on; a disabled
    // edit keeps its text, and its text is still saved.
    void EnableLogonFields();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnAutoLogonClicked(UINT nNotifyCode);
};
