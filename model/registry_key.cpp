#include "model/registry_key.h"

CRegistryKey::CRegistryKey(IRegistry& registry) : m_registry(registry), m_hKey(NULL) {}

CRegistryKey::~CRegistryKey()
{
    if (m_hKey != NULL)
        m_registry.CloseKey(m_hKey);
}

BOOL CRegistryKey::Create(HKEY hRoot, const char* pszSubKey)
{
    if (m_hKey != NULL)
        return TRUE;
    HKEY hKey = NULL;
    LONG lResult = m_registry.CreateKey(hRoot, pszSubKey, REG_OPTION_NON_VOLATILE,
                                        KEY_READ | KEY_WRITE, &hKey);
    if (lResult != ERROR_SUCCESS)
        return FALSE;
    m_hKey = hKey;
    return TRUE;
}

LONG CRegistryKey::SetValue(const char* pszName, const BYTE* pData, DWORD cbData)
{
    if (m_hKey == NULL)
        return ERROR_INVALID_HANDLE;
    return m_registry.SetValue(m_hKey, pszName, REG_BINARY, pData, cbData);
}

DWORD CRegistryKey::QueryValue(const char* pszName, BYTE* pBuffer, DWORD cbBuffer,
                               DWORD* pcbReturned, LONG* plResult)
{
    if (pcbReturned != NULL)
        *pcbReturned = 0;
    if (plResult != NULL)
        *plResult = ERROR_INVALID_HANDLE;
    if (m_hKey == NULL)
        return 0;
    DWORD dwType = REG_NONE;
    DWORD cbData = cbBuffer;
    LONG lResult = m_registry.QueryValue(m_hKey, pszName, &dwType, pBuffer, &cbData);
    if (plResult != NULL)
        *plResult = lResult;
    if (lResult == ERROR_MORE_DATA && pcbReturned != NULL)
        *pcbReturned = cbData; // the length the value would need
    if (lResult != ERROR_SUCCESS)
        return 0;
    if (pcbReturned != NULL)
        *pcbReturned = cbData < cbBuffer ? cbData : cbBuffer;
    return cbBuffer;
}

LONG CRegistryKey::DeleteValue(const char* pszName)
{
    if (!Open())
        return -1;
    return m_registry.DeleteValue(m_hKey, pszName);
}

LONG CRegistryKey::QueryWholeValue(IRegistry& registry, HKEY hKey, const char* pszName,
                                   DWORD cbMax, std::vector<BYTE>* pBytes, DWORD* pcbValue)
{
    pBytes->clear();
    *pcbValue = 0;
    DWORD dwType = REG_NONE;
    DWORD cbValue = 0;
    LONG lResult = registry.QueryValue(hKey, pszName, &dwType, NULL, &cbValue);
    for (int nAttempt = 1; lResult == ERROR_SUCCESS; ++nAttempt)
    {
        if (cbValue > cbMax)
        {
            *pcbValue = cbValue;
            return ERROR_MORE_DATA;
        }
        pBytes->resize(cbValue);
        // Never a null buffer: that would ask for the length and read nothing.
        BYTE bEmpty = 0;
        DWORD cbRead = cbValue;
        lResult = registry.QueryValue(hKey, pszName, &dwType,
                                      cbValue != 0 ? pBytes->data() : &bEmpty, &cbRead);
        if (lResult == ERROR_SUCCESS)
        {
            // Shortened in between: what came back is all there is.
            pBytes->resize(cbRead < cbValue ? cbRead : cbValue);
            *pcbValue = (DWORD)pBytes->size();
            return ERROR_SUCCESS;
        }
        // Grown in between: cbRead is the new length, and nothing was read.
        if (lResult != ERROR_MORE_DATA || nAttempt == QUERY_ATTEMPTS)
            break;
        cbValue = cbRead;
        lResult = ERROR_SUCCESS;
    }
    pBytes->clear();
    return lResult;
}
