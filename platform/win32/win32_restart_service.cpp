#include "platform/win32/win32_restart_service.h"

#include <windows.h>

static_assert(IRestartService::TOKEN_ACCESS == (TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY),
              "token access");
static_assert(IRestartService::REBOOT == EWX_REBOOT, "reboot flag");

BOOL CWin32RestartService::OpenProcessToken(DWORD dwAccess, HTOKEN* phToken)
{
    HANDLE hToken = NULL;
    BOOL bResult = ::OpenProcessToken(::GetCurrentProcess(), dwAccess, &hToken);
    *phToken = hToken;
    return bResult;
}

BOOL CWin32RestartService::LookupPrivilegeValueA(const char* pszName, PRIVILEGE_LUID* pLuid)
{
    LUID luid = {};
    BOOL bResult = ::LookupPrivilegeValueA(NULL, pszName, &luid);
    *pLuid = ((PRIVILEGE_LUID)(DWORD)luid.HighPart << 32) | luid.LowPart;
    return bResult;
}

BOOL CWin32RestartService::AdjustTokenPrivileges(HTOKEN hToken, PRIVILEGE_LUID luid)
{
    TOKEN_PRIVILEGES tp = {};
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Luid.LowPart = (DWORD)(luid & 0xFFFFFFFFu);
    tp.Privileges[0].Luid.HighPart = (LONG)(DWORD)(luid >> 32);
    tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    return ::AdjustTokenPrivileges((HANDLE)hToken, FALSE, &tp, 0, NULL, NULL);
}

BOOL CWin32RestartService::ExitWindowsEx(UINT uFlags, DWORD dwReserved)
{
    return ::ExitWindowsEx(uFlags, dwReserved);
}

DWORD CWin32RestartService::GetLastError()
{
    return ::GetLastError();
}

BOOL CWin32RestartService::CloseHandle(HTOKEN hToken)
{
    return ::CloseHandle((HANDLE)hToken);
}

int CWin32RestartService::MessageBoxA(const char* pszText)
{
    return ::MessageBoxA(NULL, pszText, NULL, MB_OK);
}
