// The system's automatic logon: REG_SZ values under the machine-wide
// Winlogon key, and the password as the LSA secret "DefaultPassword" where
// the system keeps it (the registry value, which every signed-in user can
// read, only when the secret cannot be stored). Load reads them the way the
// settings dialog shows them, Save writes them back; both report failures
// the way the dialog does.
#pragma once

#include <string>

#include "platform/user_name_source.h"
#include "platform/registry.h"
#include "platform/secret_store.h"

extern const char kWinlogonKey[]; // under HKEY_LOCAL_MACHINE

class CAutoLogonSettings
{
public:
    CAutoLogonSettings(IRegistry& registry, IUserNameSource& userName, ISecretStore& secrets);
    // The password leaves no copy behind in freed memory.
    virtual ~CAutoLogonSettings();

    // Fills the fields from the registry, the password from the secret or,
    // written by an earlier version, the registry. When the key cannot be
    // opened with full access everything stays empty, the user name included.
    void Load();
    // On: user name, domain and password, then AutoAdminLogon last, so that a
    // failure never leaves automatic logon on with an old password; a
    // password kept in the registry for want of the secret store is reported
    // as message 1041. Off: AutoAdminLogon 0 first, then user name and
    // domain, and no password is left anywhere. Stops at the first failure,
    // reported as message 1021; TRUE when everything was written.
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
    BOOL DeleteValue(HKEY hKey, const char* pszName);
    BOOL SaveOn(HKEY hKey, BOOL* pbReadable);
    BOOL SaveOff(HKEY hKey);

    IRegistry& m_registry;
    IUserNameSource& m_userName;
    ISecretStore& m_secrets;
};
