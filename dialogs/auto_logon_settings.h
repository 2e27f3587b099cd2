// The system's automatic logon: four REG_SZ values under the machine-wide
// Winlogon key. Load reads them the way the settings dialog shows them,
// Save writes all four back; both report failures the way the dialog does.
#pragma once

#include <string>

#include "platform/user_name_source.h"
#include "platform/registry.h"

extern const char kWinlogonKey[]; // under HKEY_LOCAL_MACHINE

class CAutoLogonSettings
{
public:
    CAutoLogonSettings(IRegistry& registry, IUserNameSource& userName);
    // The password leaves no copy behind in freed memory.
    virtual ~CAutoLogonSettings();

    // Fills the fields from the registry. When the key cannot be opened with
    // full access everything stays empty, the user name included.
    void Load();
    // Writes the four values in order, stopping at the first failure, which
    // is reported as message 1021; TRUE when all four were written.
    BOOL Save();
    // Byte for byte; a difference is reported as message 1022.
    BOOL ConfirmationMatches(const std::string& strConfirm) const;

    // What AutoAdminLogon's text means: nonzero when its leading decimal
    // number (after white space and a sign, as atol reads it) is nonzero.
    static BOOL ParseAutoAdminLogon(const std::string& strText);

    std::string m_strPassword;
    std::string m_strUserName;
    int m_bAutoLogon;
    std::string m_strDomainName;

private:
    BOOL ReadString(HKEY hKey, const char* pszName, std::string* pstrText);
    std::string DefaultUserName();
    BOOL WriteString(HKEY hKey, const char* pszName, const std::string& strText);

    IRegistry& m_registry;
    IUserNameSource& m_userName;
};
