#include "tests/support/fake_registry.h"

#include <cctype>
#include <cstdio>
#include <cstring>

std::string CFakeRegistry::Fold(const std::string& str)
{
    std::string out(str);
    for (char& c : out)
        c = (char)std::tolower((unsigned char)c);
    return out;
}

std::string CFakeRegistry::PathOf(HKEY hRoot, const char* pszSubKey) const
{
    std::string strBase;
    if (hRoot == HKEY_LOCAL_MACHINE)
        strBase = "HKLM";
    else if (hRoot == HKEY_CURRENT_USER)
        strBase = "HKCU";
    else if (const std::string* pKey = KeyOf(hRoot))
        strBase = *pKey;
    else
        return std::string();
    if (pszSubKey != nullptr && *pszSubKey != '\0')
        strBase += std::string("\\") + pszSubKey;
    return strBase;
}

const std::string* CFakeRegistry::KeyOf(HKEY hKey) const
{
    auto it = m_handles.find(hKey);
    return it == m_handles.end() ? nullptr : &it->second;
}

LONG CFakeRegistry::CreateKey(HKEY hRoot, const char* pszSubKey, DWORD dwOptions,
                              DWORD samDesired, HKEY* phKey)
{
    std::string strPath = PathOf(hRoot, pszSubKey);
    char szArgs[64];
    std::snprintf(szArgs, sizeof szArgs, " options=%u access=0x%x", (unsigned)dwOptions,
                  (unsigned)samDesired);
    if (LONG lFault = Call("CreateKey " + strPath + szArgs))
        return lFault;
    if (m_lCreateError != ERROR_SUCCESS)
        return m_lCreateError;
    if (strPath.empty())
        return ERROR_INVALID_HANDLE;
    // Like the real call, every missing key on the way down is created.
    std::string strFolded = Fold(strPath);
    for (size_t pos = strFolded.find('\\'); pos != std::string::npos;
         pos = strFolded.find('\\', pos + 1))
        m_keys[strFolded.substr(0, pos)];
    m_keys[strFolded];
    HKEY hKey = (HKEY)(m_nextHandle++);
    m_handles[hKey] = strFolded;
    *phKey = hKey;
    return ERROR_SUCCESS;
}

LONG CFakeRegistry::OpenKey(HKEY hRoot, const char* pszSubKey, DWORD samDesired, HKEY* phKey)
{
    std::string strPath = PathOf(hRoot, pszSubKey);
    char szArgs[32];
    std::snprintf(szArgs, sizeof szArgs, " access=0x%x", (unsigned)samDesired);
    if (LONG lFault = Call("OpenKey " + strPath + szArgs))
        return lFault;
    if (m_lOpenError != ERROR_SUCCESS)
        return m_lOpenError;
    std::string strFolded = Fold(strPath);
    if (strPath.empty() || m_keys.count(strFolded) == 0)
        return ERROR_FILE_NOT_FOUND;
    HKEY hKey = (HKEY)(m_nextHandle++);
    m_handles[hKey] = strFolded;
    *phKey = hKey;
    return ERROR_SUCCESS;
}

LONG CFakeRegistry::QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData,
                               DWORD* pcbData)
{
    if (LONG lFault = Call(std::string("QueryValue ") + pszName + " size=" +
                           std::to_string(pcbData ? *pcbData : 0)))
        return lFault;
    const std::string* pKey = KeyOf(hKey);
    if (pKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (m_lQueryError != ERROR_SUCCESS)
        return m_lQueryError;
    if (LONG lFault = NameFault(pszName))
        return lFault;
    auto itKey = m_keys.find(*pKey);
    if (itKey == m_keys.end())
        return ERROR_FILE_NOT_FOUND;
    auto itValue = itKey->second.find(Fold(pszName));
    if (itValue == itKey->second.end())
        return ERROR_FILE_NOT_FOUND;
    const Value& value = itValue->second;
    if (pdwType != nullptr)
        *pdwType = value.dwType;
    DWORD cbNeeded = (DWORD)value.bytes.size();
    if (pData == nullptr)
    {
        if (pcbData != nullptr)
            *pcbData = cbNeeded;
        return ERROR_SUCCESS;
    }
    if (pcbData == nullptr)
        return ERROR_INVALID_HANDLE;
    if (*pcbData < cbNeeded)
    {
        *pcbData = cbNeeded;
        return ERROR_MORE_DATA;
    }
    if (cbNeeded != 0)
        std::memcpy(pData, value.bytes.data(), cbNeeded);
    *pcbData = cbNeeded;
    return ERROR_SUCCESS;
}

LONG CFakeRegistry::SetValue(HKEY hKey, const char* pszName, DWORD dwType, const BYTE* pData,
                             DWORD cbData)
{
    if (LONG lFault = Call(std::string("SetValue ") + pszName + " type=" +
                           std::to_string(dwType) + " size=" + std::to_string(cbData)))
        return lFault;
    const std::string* pKey = KeyOf(hKey);
    if (pKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (m_lSetError != ERROR_SUCCESS)
        return m_lSetError;
    if (LONG lFault = NameFault(pszName))
        return lFault;
    Value& value = m_keys[*pKey][Fold(pszName)];
    value.dwType = dwType;
    value.bytes.assign(pData, pData + cbData);
    return ERROR_SUCCESS;
}

LONG CFakeRegistry::DeleteValue(HKEY hKey, const char* pszName)
{
    if (LONG lFault = Call(std::string("DeleteValue ") + pszName))
        return lFault;
    const std::string* pKey = KeyOf(hKey);
    if (pKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (m_lDeleteError != ERROR_SUCCESS)
        return m_lDeleteError;
    if (LONG lFault = NameFault(pszName))
        return lFault;
    auto& values = m_keys[*pKey];
    return values.erase(Fold(pszName)) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG CFakeRegistry::CloseKey(HKEY hKey)
{
    if (LONG lFault = Call("CloseKey"))
        return lFault;
    return m_handles.erase(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

void CFakeRegistry::FailCall(const std::string& strCall, int nth, LONG lError)
{
    m_rules.push_back(Rule{strCall, nth, 0, lError, FALSE, "", "", {}});
}

void CFakeRegistry::ChangeBefore(const std::string& strCall, int nth,
                                 const std::string& strKeyPath, const std::string& strName,
                                 const std::vector<BYTE>& bytes)
{
    m_rules.push_back(Rule{strCall, nth, 0, ERROR_SUCCESS, FALSE, strKeyPath, strName, bytes});
}

void CFakeRegistry::DeleteBefore(const std::string& strCall, int nth,
                                 const std::string& strKeyPath, const std::string& strName)
{
    m_rules.push_back(Rule{strCall, nth, 0, ERROR_SUCCESS, TRUE, strKeyPath, strName, {}});
}

LONG CFakeRegistry::Call(const std::string& strLine)
{
    m_log.push_back(strLine);
    LONG lFault = ERROR_SUCCESS;
    for (Rule& rule : m_rules)
    {
        if (strLine.compare(0, rule.strCall.size(), rule.strCall) != 0 || ++rule.nSeen != rule.nth)
            continue;
        if (rule.lError != ERROR_SUCCESS)
            lFault = rule.lError;
        else if (rule.bDelete)
            Delete(rule.strKeyPath, rule.strName);
        else
            Put(rule.strKeyPath, rule.strName, REG_BINARY, rule.bytes);
    }
    return lFault;
}

LONG CFakeRegistry::NameFault(const char* pszName) const
{
    if (m_lFailValueError == ERROR_SUCCESS || Fold(pszName) != Fold(m_strFailValue))
        return ERROR_SUCCESS;
    return m_lFailValueError;
}

void CFakeRegistry::Put(const std::string& strKeyPath, const std::string& strName, DWORD dwType,
                        const std::vector<BYTE>& bytes)
{
    Value& value = m_keys[Fold(strKeyPath)][Fold(strName)];
    value.dwType = dwType;
    value.bytes = bytes;
}

void CFakeRegistry::Delete(const std::string& strKeyPath, const std::string& strName)
{
    m_keys[Fold(strKeyPath)].erase(Fold(strName));
}

void CFakeRegistry::PutDword(const std::string& strKeyPath, const std::string& strName,
                             DWORD dwValue)
{
    std::vector<BYTE> bytes(4);
    for (int i = 0; i < 4; ++i)
        bytes[i] = (BYTE)(dwValue >> (8 * i));
    Put(strKeyPath, strName, REG_DWORD, bytes);
}

void CFakeRegistry::PutString(const std::string& strKeyPath, const std::string& strName,
                              const std::string& strValue)
{
    std::vector<BYTE> bytes(strValue.begin(), strValue.end());
    bytes.push_back(0);
    Put(strKeyPath, strName, REG_SZ, bytes);
}

BOOL CFakeRegistry::HasKey(const std::string& strKeyPath) const
{
    return m_keys.count(Fold(strKeyPath)) != 0;
}

BOOL CFakeRegistry::HasValue(const std::string& strKeyPath, const std::string& strName) const
{
    auto it = m_keys.find(Fold(strKeyPath));
    return it != m_keys.end() && it->second.count(Fold(strName)) != 0;
}

CFakeRegistry::Value CFakeRegistry::Get(const std::string& strKeyPath,
                                        const std::string& strName) const
{
    auto it = m_keys.find(Fold(strKeyPath));
    if (it == m_keys.end())
        return Value();
    auto itValue = it->second.find(Fold(strName));
    return itValue == it->second.end() ? Value() : itValue->second;
}

DWORD CFakeRegistry::GetDword(const std::string& strKeyPath, const std::string& strName) const
{
    Value value = Get(strKeyPath, strName);
    DWORD dw = 0;
    for (size_t i = 0; i < value.bytes.size() && i < 4; ++i)
        dw |= (DWORD)value.bytes[i] << (8 * i);
    return dw;
}
