#include "dialogs/auto_logon_settings.h"

#include <cstring>
#include <vector>

#include "framework/afx_message_box.h"
#include "framework/secure_zero.h"
#include "res/resource.h"

const char kWinlogonKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

namespace
{
const DWORD USER_NAME_BUFFER = 1024;
// The LSA secret Winlogon reads the password from, and the registry value of the same name.
const char PASSWORD[] = "DefaultPassword";

BOOL IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

CAutoLogonSettings::CAutoLogonSettings(IRegistry& registry, IUserNameSource& userName,
                                       ISecretStore& secrets)
    : m_bAutoLogon(0), m_registry(registry), m_userName(userName), m_secrets(secrets)
{
}

CAutoLogonSettings::~CAutoLogonSettings()
{
    SecureZeroString(m_strPassword);
}

BOOL CAutoLogonSettings::ParseAutoAdminLogon(const std::string& strText)
{
    // Only whether the number is zero matters, so no digit run can overflow.
    size_t i = 0;
    while (i < strText.size() && IsCSpace(strText[i]))
        ++i;
    if (i < strText.size() && (strText[i] == '+' || strText[i] == '-'))
        ++i;
    for (; i < strText.size() && strText[i] >= '0' && strText[i] <= '9'; ++i)
        if (strText[i] != '0')
            return TRUE;
    return FALSE;
}

void CAutoLogonSettings::Load()
{
    SecureZeroString(m_strPassword);
    m_strUserName.clear();
    m_bAutoLogon = 0;
    m_strDomainName.clear();

    HKEY hKey = nullptr;
    if (m_registry.OpenKey(HKEY_LOCAL_MACHINE, kWinlogonKey, KEY_ALL_ACCESS, &hKey) !=
        ERROR_SUCCESS)
        return;
    std::string strText;
    if (ReadString(hKey, "AutoAdminLogon", &strText))
        m_bAutoLogon = ParseAutoAdminLogon(strText) ? 1 : 0;
    if (ReadString(hKey, "DefaultUserName", &strText))
        m_strUserName = strText;
    else
        m_strUserName = DefaultUserName();
    if (!m_secrets.RetrieveSecret(PASSWORD, &m_strPassword) &&
        ReadString(hKey, PASSWORD, &strText))
        m_strPassword = strText;
    if (ReadString(hKey, "DefaultDomainName", &strText))
        m_strDomainName = strText; // reading it wiped the password's copy
    m_registry.CloseKey(hKey);
}

BOOL CAutoLogonSettings::ReadString(HKEY hKey, const char* pszName, std::string* pstrText)
{
    SecureZeroString(*pstrText);
    DWORD dwType = REG_NONE;
    DWORD cbData = 0;
    if (m_registry.QueryValue(hKey, pszName, &dwType, nullptr, &cbData) != ERROR_SUCCESS ||
        dwType != REG_SZ)
        return FALSE;
    // One spare byte so that an empty value still has a buffer to point at.
    std::vector<BYTE> buffer((size_t)cbData + 1, 0);
    DWORD cbRead = cbData;
    BOOL bRead = m_registry.QueryValue(hKey, pszName, &dwType, buffer.data(), &cbRead) ==
                     ERROR_SUCCESS &&
                 dwType == REG_SZ;
    if (bRead)
    {
        // Up to the first terminator, never past what was stored.
        size_t cbText = cbRead < cbData ? cbRead : cbData;
        const BYTE* pEnd = (const BYTE*)std::memchr(buffer.data(), 0, cbText);
        pstrText->assign((const char*)buffer.data(),
                         pEnd != nullptr ? (size_t)(pEnd - buffer.data()) : cbText);
    }
    SecureZeroBytes(buffer.data(), buffer.size()); // one of the values is the password
    return bRead;
}

std::string CAutoLogonSettings::DefaultUserName()
{
    char szName[USER_NAME_BUFFER];
    DWORD cbName = USER_NAME_BUFFER;
    if (!m_userName.QueryUserName(szName, &cbName) || cbName >= USER_NAME_BUFFER)
        return std::string();
    const char* pEnd = (const char*)std::memchr(szName, 0, cbName);
    return std::string(szName, pEnd != nullptr ? (size_t)(pEnd - szName) : (size_t)cbName);
}

BOOL CAutoLogonSettings::Save()
{
    HKEY hKey = nullptr;
    BOOL bWritten = FALSE;
    BOOL bReadable = FALSE;
    if (m_registry.CreateKey(HKEY_LOCAL_MACHINE, kWinlogonKey, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS)
    {
        bWritten = m_bAutoLogon ? SaveOn(hKey, &bReadable) : SaveOff(hKey);
        m_registry.CloseKey(hKey);
    }
    if (!bWritten)
        AfxMessageBox(IDS_AUTOLOGON_FAILED, MB_OK);
    else if (bReadable)
        AfxMessageBox(IDS_PASSWORD_STORED_READABLE, MB_OK);
    return bWritten;
}

BOOL CAutoLogonSettings::SaveOn(HKEY hKey, BOOL* pbReadable)
{
    if (!WriteString(hKey, "DefaultUserName", m_strUserName) ||
        !WriteString(hKey, "DefaultDomainName", m_strDomainName))
        return FALSE;
    if (m_secrets.StoreSecret(PASSWORD, m_strPassword))
    {
        // The plain copy of an earlier version goes: the secret is read first.
        if (!DeleteValue(hKey, PASSWORD))
            return FALSE;
    }
    else
    {
        // A secret left from before would win over the value written here.
        m_secrets.DeleteSecret(PASSWORD);
        if (!WriteString(hKey, PASSWORD, m_strPassword))
            return FALSE;
        *pbReadable = TRUE;
    }
    return WriteString(hKey, "AutoAdminLogon", std::to_string(m_bAutoLogon));
}

BOOL CAutoLogonSettings::SaveOff(HKEY hKey)
{
    if (!WriteString(hKey, "AutoAdminLogon", std::to_string(m_bAutoLogon)) ||
        !WriteString(hKey, "DefaultUserName", m_strUserName) ||
        !WriteString(hKey, "DefaultDomainName", m_strDomainName))
        return FALSE;
    // No secret is no failure: an earlier version never stored one.
    m_secrets.DeleteSecret(PASSWORD);
    return DeleteValue(hKey, PASSWORD);
}

BOOL CAutoLogonSettings::WriteString(HKEY hKey, const char* pszName, const std::string& strText)
{
    // The text and its terminator; the count includes the terminator.
    return m_registry.SetValue(hKey, pszName, REG_SZ, (const BYTE*)strText.c_str(),
                               (DWORD)strText.size() + 1) == ERROR_SUCCESS;
}

BOOL CAutoLogonSettings::DeleteValue(HKEY hKey, const char* pszName)
{
    LONG lResult = m_registry.DeleteValue(hKey, pszName);
    return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
}

BOOL CAutoLogonSettings::ConfirmationMatches(const std::string& strConfirm) const
{
    if (strConfirm == m_strPassword)
        return TRUE;
    AfxMessageBox(IDS_PASSWORD_MISMATCH, MB_OK);
    return FALSE;
}
