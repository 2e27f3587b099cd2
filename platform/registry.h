// The registry as the program uses it: the handful of advapi32 calls, one
// member each, so the store, the profile and the logon settings can be driven
// by an in-memory registry in tests and by the real one on Windows.
#pragma once

#include "platform/platform_types.h"

class IRegistry
{
public:
    virtual ~IRegistry() {}

    // RegCreateKeyExA(hRoot, pszSubKey, 0, NULL, dwOptions, samDesired, NULL, phKey, &disposition)
    virtual LONG CreateKey(HKEY hRoot, const char* pszSubKey, DWORD dwOptions, DWORD samDesired,
                           HKEY* phKey) = 0;
    // RegOpenKeyExA(hRoot, pszSubKey, 0, samDesired, phKey)
    virtual LONG OpenKey(HKEY hRoot, const char* pszSubKey, DWORD samDesired, HKEY* phKey) = 0;
    // RegQueryValueExA(hKey, pszName, NULL, pdwType, pData, pcbData)
    virtual LONG QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData,
                            DWORD* pcbData) = 0;
    // RegSetValueExA(hKey, pszName, 0, dwType, pData, cbData)
    virtual LONG SetValue(HKEY hKey, const char* pszName, DWORD dwType, const BYTE* pData,
                          DWORD cbData) = 0;
    // RegDeleteValueA(hKey, pszName)
    virtual LONG DeleteValue(HKEY hKey, const char* pszName) = 0;
    // RegCloseKey(hKey)
    virtual LONG CloseKey(HKEY hKey) = 0;
};
