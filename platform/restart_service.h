// The platform calls of the restart step, one member each, so the exit flow
// can be driven without restarting anything. Handles and LUIDs are opaque.
#pragma once

#include <cstdint>

#include "platform/platform_types.h"

class IRestartService
{
public:
    typedef void* HTOKEN;
    typedef uint64_t PRIVILEGE_LUID;

    enum
    {
        TOKEN_ACCESS = 0x28, // TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY
        REBOOT = 2           // EWX_REBOOT
    };

    virtual ~IRestartService() {}

    // OpenProcessToken(GetCurrentProcess(), dwAccess, phToken).
    virtual BOOL OpenProcessToken(DWORD dwAccess, HTOKEN* phToken) = 0;
    // LookupPrivilegeValueA(NULL, pszName, pLuid).
    virtual BOOL LookupPrivilegeValueA(const char* pszName, PRIVILEGE_LUID* pLuid) = 0;
    // AdjustTokenPrivileges(hToken, FALSE, {1, luid, SE_PRIVILEGE_ENABLED}, 0, NULL, NULL).
    virtual BOOL AdjustTokenPrivileges(HTOKEN hToken, PRIVILEGE_LUID luid) = 0;
    // ExitWindowsEx(uFlags, dwReserved).
    virtual BOOL ExitWindowsEx(UINT uFlags, DWORD dwReserved) = 0;
    virtual DWORD GetLastError() = 0;
    virtual BOOL CloseHandle(HTOKEN hToken) = 0;
    // MessageBoxA(NULL, pszText, NULL, MB_OK): no owner, the system's caption.
    virtual int MessageBoxA(const char* pszText) = 0;
};
