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

BOOL IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

CAutoLogonSettings::CAutoLogonSettings(IRegistry& registry, IUserNameSource& userName)
    : m_bAutoLogon(0), m_registry(registry), m_userName(userName)
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
    if (ReadString(hKey, "DefaultPassword", &strText))
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
    if (m_registry.CreateKey(HKEY_LOCAL_MACHINE, kWinlogonKey, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS)
    {
        bWritten = WriteString(hKey, "AutoAdminLogon", std::to_string(m_bAutoLogon)) &&
                   WriteString(hKey, "DefaultUserName", m_strUserName) &&
                   WriteString(hKey, "DefaultPassword", m_strPassword) &&
                   WriteString(hKey, "DefaultDomainName", m_strDomainName);
    }
    else
        hKey = nullptr;
    if (!bWritten)
        AfxMessageBox(IDS_AUTOLOGON_FAILED, MB_OK);
    if (hKey != nullptr)
        m_registry.CloseKey(hKey);
    return bWritten;
}

BOOL CAutoLogonSettings::WriteString(HKEY hKey, const char* pszName, const std::string& strText)
{
    // The text and its terminator; the count includes the terminator.
    return m_registry.SetValue(hKey, pszName, REG_SZ, (const BYTE*)strText.c_str(),
                               (DWORD)strText.size() + 1) == ERROR_SUCCESS;
}

BOOL CAutoLogonSettings::ConfirmationMatches(const std::string& strConfirm) const
{
    if (strConfirm == m_strPassword)
        return TRUE;
    AfxMessageBox(IDS_PASSWORD_MISMATCH, MB_OK);
    return FALSE;
}
