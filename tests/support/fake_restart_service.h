// The restart step's platform calls for tests: records every call with its
// arguments, in order, and fails the calls it is told to, with their
// last-error codes. Nothing is ever restarted.
//
//   CFakeRestartService restart;
//   restart.m_bFailAdjust = TRUE; restart.m_dwAdjustError = 1300;
//   ... exitFlow.RestartWindows();
//   restart.m_calls  // "OpenProcessToken access=0x28", ..., "ExitWindowsEx flags=2 reserved=0"
#pragma once

#include <string>
#include <vector>

#include "platform/restart_service.h"

class CFakeRestartService : public IRestartService
{
public:
    static HTOKEN TokenHandle() { return (HTOKEN)(uintptr_t)0x7A; }
    static const PRIVILEGE_LUID SHUTDOWN_LUID = 0x0000000100000013ull;

    BOOL m_bFailOpen = FALSE;
    DWORD m_dwOpenError = 0;
    BOOL m_bFailLookup = FALSE;
    DWORD m_dwLookupError = 0;
    BOOL m_bFailAdjust = FALSE;
    DWORD m_dwAdjustError = 0;
    BOOL m_bFailExit = FALSE;
    DWORD m_dwExitError = 0;

    // One line per call, e.g. "AdjustTokenPrivileges token=0x7a luid=0x100000013 enabled".
    std::vector<std::string> m_calls;
    // Texts of the plain (owner- and caption-less) message boxes.
    std::vector<std::string> m_boxes;

    BOOL OpenProcessToken(DWORD dwAccess, HTOKEN* phToken) override;
    BOOL LookupPrivilegeValueA(const char* pszName, PRIVILEGE_LUID* pLuid) override;
    BOOL AdjustTokenPrivileges(HTOKEN hToken, PRIVILEGE_LUID luid) override;
    BOOL ExitWindowsEx(UINT uFlags, DWORD dwReserved) override;
    DWORD GetLastError() override;
    BOOL CloseHandle(HTOKEN hToken) override;
    int MessageBoxA(const char* pszText) override;

private:
    BOOL Fail(DWORD dwError);
    DWORD m_dwLastError = 0;
};
