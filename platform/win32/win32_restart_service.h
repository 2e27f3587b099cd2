// The restart step's real calls: the process token, the shutdown privilege
// and ExitWindowsEx. Never used by tests: it really restarts the machine.
#pragma once

#include "platform/restart_service.h"

class CWin32RestartService : public IRestartService
{
public:
    BOOL OpenProcessToken(DWORD dwAccess, HTOKEN* phToken) override;
    BOOL LookupPrivilegeValueA(const char* pszName, PRIVILEGE_LUID* pLuid) override;
    BOOL AdjustTokenPrivileges(HTOKEN hToken, PRIVILEGE_LUID luid) override;
    BOOL ExitWindowsEx(UINT uFlags, DWORD dwReserved) override;
    DWORD GetLastError() override;
    BOOL CloseHandle(HTOKEN hToken) override;
    int MessageBoxA(const char* pszText) override;
};
