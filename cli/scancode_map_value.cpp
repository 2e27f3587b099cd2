#include "cli/scancode_map_value.h"

#include <string>

#include "model/scancode_map_store.h"

LONG CScancodeMapValue::Read(std::vector<BYTE>* pBytes, DWORD* pcbValue)
{
    pBytes->clear();
    *pcbValue = 0;
    HKEY hKey = NULL;
    LONG lResult =
        m_registry.OpenKey(HKEY_LOCAL_MACHINE, CScancodeMapStore::s_pszKeyPath, KEY_READ, &hKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    // The length first, then the bytes: a value of any length is read whole.
    DWORD dwType = REG_NONE;
    DWORD cbValue = 0;
    lResult = m_registry.QueryValue(hKey, CScancodeMapStore::s_pszValueName, &dwType, NULL, &cbValue);
    if (lResult == ERROR_SUCCESS)
        *pcbValue = cbValue;
    if (lResult == ERROR_SUCCESS && cbValue > (DWORD)MAX_READ)
        lResult = ERROR_MORE_DATA;
    if (lResult == ERROR_SUCCESS && cbValue > 0)
    {
        pBytes->resize(cbValue);
        lResult = m_registry.QueryValue(hKey, CScancodeMapStore::s_pszValueName, &dwType,
                                        pBytes->data(), &cbValue);
        // Shortened between the two calls: what came back is all there is.
        if (lResult == ERROR_SUCCESS)
        {
            pBytes->resize(cbValue);
            *pcbValue = cbValue;
        }
        else
            pBytes->clear();
    }
    m_registry.CloseKey(hKey);
    return lResult;
}

LONG CScancodeMapValue::Write(const std::vector<BYTE>& bytes)
{
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
    return str;
}
