#include "cli/scancode_map_value.h"

#include <string>

#include "model/scancode_map_store.h"

void CScancodeMapValue::Reset(BOOL bCheckWrites)
{
    m_bCheckWrites = bCheckWrites;
    m_bRead = FALSE;
    m_readBytes.clear();
}

LONG CScancodeMapValue::Read(std::vector<BYTE>* pBytes, DWORD* pcbValue)
{
    m_lReadResult = ReadNow(pBytes, pcbValue);
    m_cbRead = *pcbValue;
    m_readBytes = *pBytes;
    m_bRead = TRUE;
    return m_lReadResult;
}

BOOL CScancodeMapValue::ChangedSinceRead()
{
    if (!m_bCheckWrites || !m_bRead)
        return FALSE;
    std::vector<BYTE> bytes;
    DWORD cbValue = 0;
    LONG lResult = ReadNow(&bytes, &cbValue);
    return lResult != m_lReadResult || cbValue != m_cbRead || bytes != m_readBytes;
}

LONG CScancodeMapValue::ReadNow(std::vector<BYTE>* pBytes, DWORD* pcbValue)
{
    pBytes->clear();
    *pcbValue = 0;
    HKEY hKey = NULL;
    LONG lResult =
        m_registry.OpenKey(HKEY_LOCAL_MACHINE, CScancodeMapStore::s_pszKeyPath, KEY_READ, &hKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    lResult = CRegistryKey::QueryWholeValue(m_registry, hKey, CScancodeMapStore::s_pszValueName,
                                            MAX_READ, pBytes, pcbValue);
    m_registry.CloseKey(hKey);
    return lResult;
}

LONG CScancodeMapValue::Write(const std::vector<BYTE>& bytes)
{
    if (ChangedSinceRead())
        return CHANGED_SINCE_READ;
    HKEY hKey = NULL;
    LONG lResult = m_registry.CreateKey(HKEY_LOCAL_MACHINE, CScancodeMapStore::s_pszKeyPath, REG_OPTION_NON_VOLATILE,
                                        KEY_READ | KEY_WRITE, &hKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    lResult = m_registry.SetValue(hKey, CScancodeMapStore::s_pszValueName, REG_BINARY,
                                  bytes.data(), (DWORD)bytes.size());
    m_registry.CloseKey(hKey);
    return lResult;
}

LONG CScancodeMapValue::Delete()
{
    if (ChangedSinceRead())
        return CHANGED_SINCE_READ;
    HKEY hKey = NULL;
    LONG lResult = m_registry.OpenKey(HKEY_LOCAL_MACHINE, CScancodeMapStore::s_pszKeyPath, KEY_READ | KEY_WRITE, &hKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    lResult = m_registry.DeleteValue(hKey, CScancodeMapStore::s_pszValueName);
    m_registry.CloseKey(hKey);
    return lResult;
}

std::string CScancodeMapValue::DescribeResult(LONG lResult)
{
    std::string str = "error " + std::to_string((long)lResult);
    if (lResult == ERROR_ACCESS_DENIED)
        str += ", access denied: run it as an administrator";
    else if (lResult == ERROR_FILE_NOT_FOUND)
        str += ", not found";
    else if (lResult == ERROR_MORE_DATA)
        str += ", the value is too long or kept changing while it was read";
    else if (lResult == CHANGED_SINCE_READ)
        str = "another program changed it since velloric-cli read it: run the command again, "
              "or give --force to write anyway";
    return str;
}
