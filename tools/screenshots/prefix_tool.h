// What the tools that start the program in a throw-away Wine prefix share:
// the check that they run there, the registry writes that prepare it, and
// the restart step's stand-in.
#pragma once

#include <windows.h>

#include "platform/restart_service.h"

// They write the registry: never on a real machine.
inline BOOL IsRunningUnderWine()
{
    HMODULE hNtdll = ::GetModuleHandleA("ntdll.dll");
    return hNtdll != NULL && ::GetProcAddress(hNtdll, "wine_get_version") != NULL;
}

inline LONG SetValue(HKEY hRoot, const char* pszKey, const char* pszName, DWORD dwType,
                     const BYTE* pData, DWORD cbData)
{
    HKEY hKey = NULL;
    LONG lResult = ::RegCreateKeyExA(hRoot, pszKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &hKey, NULL);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    lResult = ::RegSetValueExA(hKey, pszName, 0, dwType, pData, cbData);
    ::RegCloseKey(hKey);
    return lResult;
}

// The restart question is never answered Yes, and should it be, Wine's
// session must not end under the tool.

class CNoRestartService : public IRestartService
{
public:
    BOOL OpenProcessToken(DWORD, HTOKEN* phToken) override
    {
        *phToken = nullptr;
        return TRUE;
    }
    BOOL LookupPrivilegeValueA(const char*, PRIVILEGE_LUID* pLuid) override
    {
        *pLuid = 0;
        return TRUE;
    }
    BOOL AdjustTokenPrivileges(HTOKEN, PRIVILEGE_LUID) override { return TRUE; }
    BOOL ExitWindowsEx(UINT, DWORD) override { return TRUE; }
    DWORD GetLastError() override { return 0; }
    BOOL CloseHandle(HTOKEN) override { return TRUE; }
    int MessageBoxA(const char*) override { return IDOK; }
};
