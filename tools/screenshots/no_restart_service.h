// The restart step's stand-in for the tools that start the program under
// Wine: the restart question is never answered Yes, and should it be, Wine's
// session must not end under the tool.
#pragma once

#include "platform/restart_service.h"

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
