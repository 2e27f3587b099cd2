#include "framework/profile.h"

#include <cstring>

namespace
{
const char SOFTWARE_KEY[] = "Software";
const DWORD PROFILE_ACCESS = KEY_READ | KEY_WRITE;

BOOL IsEmpty(const char* psz)
{
    return psz == nullptr || *psz == '\0';
}
} // namespace

CProfile::CProfile(IRegistry& registry) : m_registry(registry)
{
}

void CProfile::SetRegistryKey(const char* pszCompany, const char* pszAppName)
{
    if (IsEmpty(pszCompany) || IsEmpty(pszAppName))
    {
        m_strCompany.clear();
        m_strAppName.clear();
        return;
    }
    m_strCompany = pszCompany;
    m_strAppName = pszAppName;
}

HKEY CProfile::OpenSectionKey(const char* pszSection)
{
    if (m_strCompany.empty() || IsEmpty(pszSection))
        return nullptr;
    const char* path[] = {SOFTWARE_KEY, m_strCompany.c_str(), m_strAppName.c_str(), pszSection};
    HKEY hParent = HKEY_CURRENT_USER;
    for (const char* pszName : path)
    {
        HKEY hKey = nullptr;
        LONG lResult = m_registry.CreateKey(hParent, pszName, REG_OPTION_NON_VOLATILE,
                                            PROFILE_ACCESS, &hKey);
        if (hParent != HKEY_CURRENT_USER)
            m_registry.CloseKey(hParent);
        if (lResult != ERROR_SUCCESS)
            return nullptr;
        hParent = hKey;
    }
    return hParent;
}

BOOL CProfile::ReadValue(const char* pszSection, const char* pszEntry, DWORD* pdwType,
                         std::vector<BYTE>* pBytes)
{
    pBytes->clear();
    if (IsEmpty(pszEntry))
        return FALSE;
    HKEY hKey = OpenSectionKey(pszSection);
    if (hKey == nullptr)
        return FALSE;
    // Size first, then a buffer of exactly that size: the stored bytes are
    // outside data and may be of any length or type.
    DWORD dwType = REG_NONE;
    DWORD cbSize = 0;
    LONG lResult = m_registry.QueryValue(hKey, pszEntry, &dwType, nullptr, &cbSize);
    if (lResult == ERROR_SUCCESS && cbSize > (DWORD)MAX_VALUE_BYTES)
        lResult = ERROR_MORE_DATA;
    if (lResult == ERROR_SUCCESS && cbSize != 0)
    {
        pBytes->resize(cbSize);
        DWORD cbRead = cbSize;
        lResult = m_registry.QueryValue(hKey, pszEntry, &dwType, pBytes->data(), &cbRead);
        // A value that grew in between fails with ERROR_MORE_DATA; one that
        // shrank keeps only what was read.
        if (lResult == ERROR_SUCCESS && cbRead < cbSize)
            pBytes->resize(cbRead);
    }
    m_registry.CloseKey(hKey);
    if (lResult != ERROR_SUCCESS)
    {
        pBytes->clear();
        return FALSE;
    }
    *pdwType = dwType;
    return TRUE;
}

BOOL CProfile::WriteValue(const char* pszSection, const char* pszEntry, DWORD dwType,
                          const BYTE* pData, DWORD cbData)
{
    if (IsEmpty(pszEntry))
        return FALSE;
    HKEY hKey = OpenSectionKey(pszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG lResult = m_registry.SetValue(hKey, pszEntry, dwType, pData, cbData);
    m_registry.CloseKey(hKey);
    return lResult == ERROR_SUCCESS ? TRUE : FALSE;
}

int CProfile::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault)
{
    if (IsEmpty(pszEntry))
        return nDefault;
    HKEY hKey = OpenSectionKey(pszSection);
    if (hKey == nullptr)
        return nDefault;
    // One bounded read: anything longer fails with ERROR_MORE_DATA.
    BYTE bytes[4] = {};
    DWORD dwType = REG_NONE;
    DWORD cbRead = sizeof bytes;
    LONG lResult = m_registry.QueryValue(hKey, pszEntry, &dwType, bytes, &cbRead);
    m_registry.CloseKey(hKey);
    if (lResult != ERROR_SUCCESS || dwType != REG_DWORD || cbRead != sizeof bytes)
        return nDefault;
    DWORD dwValue = (DWORD)bytes[0] | ((DWORD)bytes[1] << 8) | ((DWORD)bytes[2] << 16) |
                    ((DWORD)bytes[3] << 24);
    return (int)dwValue;
}

BOOL CProfile::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue)
{
    DWORD dwValue = (DWORD)nValue;
    const BYTE bytes[4] = {(BYTE)dwValue, (BYTE)(dwValue >> 8), (BYTE)(dwValue >> 16),
                           (BYTE)(dwValue >> 24)};
    return WriteValue(pszSection, pszEntry, REG_DWORD, bytes, sizeof bytes);
}

std::string CProfile::GetProfileString(const char* pszSection, const char* pszEntry,
                                       const char* pszDefault)
{
    std::string strDefault = pszDefault != nullptr ? pszDefault : "";
    DWORD dwType = REG_NONE;
    std::vector<BYTE> bytes;
    if (!ReadValue(pszSection, pszEntry, &dwType, &bytes) || dwType != REG_SZ)
        return strDefault;
    // The terminator may be missing: stop at the first one or at the end.
    const BYTE* pBegin = bytes.data();
    const void* pEnd = bytes.empty() ? nullptr : std::memchr(pBegin, '\0', bytes.size());
    size_t cch = pEnd != nullptr ? (size_t)((const BYTE*)pEnd - pBegin) : bytes.size();
    return std::string((const char*)pBegin, cch);
}

BOOL CProfile::WriteProfileString(const char* pszSection, const char* pszEntry,
                                  const char* pszValue)
{
    if (pszValue == nullptr)
    {
        if (IsEmpty(pszEntry))
            return FALSE;
        HKEY hKey = OpenSectionKey(pszSection);
        if (hKey == nullptr)
            return FALSE;
        LONG lResult = m_registry.DeleteValue(hKey, pszEntry);
        m_registry.CloseKey(hKey);
        return lResult == ERROR_SUCCESS ? TRUE : FALSE;
    }
    return WriteValue(pszSection, pszEntry, REG_SZ, (const BYTE*)pszValue,
                      (DWORD)(std::strlen(pszValue) + 1));
}

BOOL CProfile::GetProfileBinary(const char* pszSection, const char* pszEntry,
                                std::vector<BYTE>* pData)
{
    DWORD dwType = REG_NONE;
    std::vector<BYTE> bytes;
    pData->clear();
    if (!ReadValue(pszSection, pszEntry, &dwType, &bytes) || dwType != REG_BINARY)
        return FALSE;
    pData->swap(bytes);
    return TRUE;
}

BOOL CProfile::WriteProfileBinary(const char* pszSection, const char* pszEntry,
                                  const BYTE* pData, UINT nBytes)
{
    if (pData == nullptr && nBytes != 0)
        return FALSE;
    return WriteValue(pszSection, pszEntry, REG_BINARY, pData, nBytes);
}
