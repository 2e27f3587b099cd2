#include "tests/support/fake_restart_service.h"

#include <cstdio>

namespace
{
std::string Hex(unsigned long long n)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "0x%llx", n);
    return sz;
}
} // namespace

const IRestartService::PRIVILEGE_LUID CFakeRestartService::SHUTDOWN_LUID;

BOOL CFakeRestartService::Fail(DWORD dwError)
{
    m_dwLastError = dwError;
    return FALSE;
}

BOOL CFakeRestartService::OpenProcessToken(DWORD dwAccess, HTOKEN* phToken)
{
    m_calls.push_back("OpenProcessToken access=" + Hex(dwAccess));
    if (m_bFailOpen)
        return Fail(m_dwOpenError);
    *phToken = TokenHandle();
    return TRUE;
}

BOOL CFakeRestartService::LookupPrivilegeValueA(const char* pszName, PRIVILEGE_LUID* pLuid)
{
    m_calls.push_back(std::string("LookupPrivilegeValueA system=NULL name=") + pszName);
    if (m_bFailLookup)
        return Fail(m_dwLookupError);
    *pLuid = SHUTDOWN_LUID;
    return TRUE;
}

BOOL CFakeRestartService::AdjustTokenPrivileges(HTOKEN hToken, PRIVILEGE_LUID luid)
{
    m_calls.push_back("AdjustTokenPrivileges token=" + Hex((uintptr_t)hToken) + " luid=" +
                      Hex(luid) + " enabled");
    if (m_bFailAdjust || hToken != TokenHandle())
        return Fail(m_bFailAdjust ? m_dwAdjustError : (DWORD)ERROR_INVALID_HANDLE);
    return TRUE;
}

BOOL CFakeRestartService::ExitWindowsEx(UINT uFlags, DWORD dwReserved)
{
    m_calls.push_back("ExitWindowsEx flags=" + std::to_string(uFlags) +
                      " reserved=" + std::to_string(dwReserved));
    if (m_bFailExit)
        return Fail(m_dwExitError);
    return TRUE;
}

DWORD CFakeRestartService::GetLastError()
{
    m_calls.push_back("GetLastError");
    return m_dwLastError;
}

BOOL CFakeRestartService::CloseHandle(HTOKEN hToken)
{
    m_calls.push_back("CloseHandle " + Hex((uintptr_t)hToken));
    return hToken == TokenHandle() ? TRUE : Fail((DWORD)ERROR_INVALID_HANDLE);
}

int CFakeRestartService::MessageBoxA(const char* pszText)
{
    m_calls.push_back(std::string("MessageBoxA owner=NULL caption=NULL MB_OK ") + pszText);
    m_boxes.push_back(pszText);
    return 1; // IDOK
}
