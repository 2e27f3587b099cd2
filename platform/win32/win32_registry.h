// The real registry: each member is the advapi32 call of the same name.
#pragma once

#include "platform/registry.h"

class CWin32Registry : public IRegistry
{
public:
    LONG CreateKey(HKEY hRoot, const char* pszSubKey, DWORD dwOptions, DWORD samDesired,
                   HKEY* phKey) override;
    LONG OpenKey(HKEY hRoot, const char* pszSubKey, DWORD samDesired, HKEY* phKey) override;
    LONG QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData,
                    DWORD* pcbData) override;
    LONG SetValue(HKEY hKey, const char* pszName, DWORD dwType, const BYTE* pData,
                  DWORD cbData) override;
    LONG DeleteValue(HKEY hKey, const char* pszName) override;
    LONG CloseKey(HKEY hKey) override;
};
