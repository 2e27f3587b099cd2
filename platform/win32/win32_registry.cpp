#include "platform/win32/win32_registry.h"

LONG CWin32Registry::CreateKey(HKEY hRoot, const char* pszSubKey, DWORD dwOptions,
                               DWORD samDesired, HKEY* phKey)
{
    DWORD dwDisposition = 0;
    return RegCreateKeyExA(hRoot, pszSubKey, 0, NULL, dwOptions, samDesired, NULL, phKey,
                           &dwDisposition);
}

LONG CWin32Registry::OpenKey(HKEY hRoot, const char* pszSubKey, DWORD samDesired, HKEY* phKey)
{
    return RegOpenKeyExA(hRoot, pszSubKey, 0, samDesired, phKey);
}

LONG CWin32Registry::QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData,
                                DWORD* pcbData)
{
    return RegQueryValueExA(hKey, pszName, NULL, pdwType, pData, pcbData);
}

LONG CWin32Registry::SetValue(HKEY hKey, const char* pszName, DWORD dwType, const BYTE* pData,
                              DWORD cbData)
{
    return RegSetValueExA(hKey, pszName, 0, dwType, pData, cbData);
}

LONG CWin32Registry::DeleteValue(HKEY hKey, const char* pszName)
{
    return RegDeleteValueA(hKey, pszName);
}

LONG CWin32Registry::CloseKey(HKEY hKey)
{
    return RegCloseKey(hKey);
}
