// What the tools that start the program in a throw-away Wine prefix share:
// the check that they run there, the registry writes that prepare it, and
// the program's services with the restart step stood in for.
#pragma once

#include <windows.h>

#include <cstdio>

#include "framework/afx_message_box.h"
#include "framework/win32/win32_message_boxes.h"
#include "framework/win32/win32_string_source.h"
#include "platform/restart_service.h"
#include "platform/win32/win32_services.h"

// They write the registry: never on a real machine.
inline BOOL IsRunningUnderWine()
{
    HMODULE hNtdll = ::GetModuleHandleA("ntdll.dll");
    return hNtdll != NULL && ::GetProcAddress(hNtdll, "wine_get_version") != NULL;
}

// TRUE, with a word on how to run the tool instead, outside Wine.
inline BOOL RefuseOutsideWine(const char* pszTool, const char* pszScript)
{
    if (IsRunningUnderWine())
        return FALSE;
    std::fprintf(stderr, "%s writes the registry: run it under Wine, in a throw-away prefix (%s)\n",
                 pszTool, pszScript);
    return TRUE;
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

// The program's services as it has them, with the restart step stood in for,
// and its message boxes and strings from the real system.
class CToolServices
{
public:
    CToolServices()
    {
        AfxSetMessageBoxSink(&m_messageBoxes);
        AfxSetStringSource(&m_strings);
    }
    CVelloricPlatform Platform() { return m_services.Platform(&m_restart); }

private:
    CWin32Services m_services;
    CNoRestartService m_restart;
    CWin32MessageBoxSink m_messageBoxes;
    CWin32StringSource m_strings;
};
