// The restart's real token calls under Wine, through the restart seam with
// everything but ExitWindowsEx left to the system: the process token opened
// with access 0x28, the shutdown privilege's LUID, and that one privilege
// enabled on the token afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/win32/win32_message_boxes.h"
#include "platform/win32/win32_restart_service.h"
#include "tests/support/doc_fixture.h"
#include "tests/support/scripted_message_boxes.h"

namespace
{
struct CObjectBasicInformation
{
    ULONG ulAttributes;
    ACCESS_MASK grantedAccess;
    ULONG ulCounts[12];
};
typedef LONG(NTAPI* PFN_NT_QUERY_OBJECT)(HANDLE, int, PVOID, ULONG, PULONG);

DWORD GrantedAccess(HANDLE hObject)
{
    PFN_NT_QUERY_OBJECT pfnQuery = (PFN_NT_QUERY_OBJECT)(void*)::GetProcAddress(
        ::GetModuleHandleA("ntdll.dll"), "NtQueryObject");
    CObjectBasicInformation info = {};
    if (pfnQuery == nullptr || pfnQuery(hObject, 0, &info, sizeof info, nullptr) != 0)
        return 0xFFFFFFFF;
    return info.grantedAccess;
}

LUID ShutdownLuid()
{
    LUID luid = {};
    ::LookupPrivilegeValueA(NULL, SE_SHUTDOWN_NAME, &luid);
    return luid;
}

// The shutdown privilege's attributes on this process's token.
DWORD ShutdownAttributes()
{
    HANDLE hToken = NULL;
    ::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &hToken);
    std::vector<BYTE> buffer(4096);
    DWORD cb = 0;
    ::GetTokenInformation(hToken, TokenPrivileges, buffer.data(), (DWORD)buffer.size(), &cb);
    ::CloseHandle(hToken);
    const TOKEN_PRIVILEGES* pPrivileges = (const TOKEN_PRIVILEGES*)buffer.data();
    LUID luid = ShutdownLuid();
    for (DWORD i = 0; i < pPrivileges->PrivilegeCount; ++i)
        if (pPrivileges->Privileges[i].Luid.LowPart == luid.LowPart &&
            pPrivileges->Privileges[i].Luid.HighPart == luid.HighPart)
            return pPrivileges->Privileges[i].Attributes;
    return 0xFFFFFFFF; // not held at all
}

void SetShutdownAttributes(DWORD dwAttributes)
{
    HANDLE hToken = NULL;
    ::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &hToken);
    TOKEN_PRIVILEGES tp = {1, {{ShutdownLuid(), dwAttributes}}};
    ::AdjustTokenPrivileges(hToken, FALSE, &tp, 0, NULL, NULL);
    ::CloseHandle(hToken);
}

// The real restart service, recording what it did; the restart itself is
// only recorded.
class CRecordingRestart : public CWin32RestartService
{
public:
    BOOL OpenProcessToken(DWORD dwAccess, HTOKEN* phToken) override
    {
        BOOL bOpened = CWin32RestartService::OpenProcessToken(dwAccess, phToken);
        m_calls.push_back("OpenProcessToken");
        m_dwGranted = bOpened ? GrantedAccess((HANDLE)*phToken) : 0;
        return bOpened;
    }
    BOOL LookupPrivilegeValueA(const char* pszName, PRIVILEGE_LUID* pLuid) override
    {
        m_calls.push_back(std::string("LookupPrivilegeValueA ") + pszName);
        return CWin32RestartService::LookupPrivilegeValueA(pszName, pLuid);
    }
    BOOL AdjustTokenPrivileges(HTOKEN hToken, PRIVILEGE_LUID luid) override
    {
        m_calls.push_back("AdjustTokenPrivileges");
        m_luidAdjusted = luid;
        return CWin32RestartService::AdjustTokenPrivileges(hToken, luid);
    }
    BOOL ExitWindowsEx(UINT uFlags, DWORD dwReserved) override
    {
        m_calls.push_back("ExitWindowsEx " + std::to_string(uFlags));
        return TRUE;
    }
    int MessageBoxA(const char* pszText) override
    {
        m_calls.push_back(std::string("MessageBoxA ") + pszText);
        return IDOK;
    }

    std::vector<std::string> m_calls;
    DWORD m_dwGranted = 0;
    PRIVILEGE_LUID m_luidAdjusted = 0;
};
} // namespace

TEST(RestartCalls, EnableTheShutdownPrivilegeOnTheProcessToken_BeforeTheRestart)
{
    SetShutdownAttributes(0);
    ASSERT_EQ(0u, ShutdownAttributes() & SE_PRIVILEGE_ENABLED);

    CFakeRegistry registry;
    CFakeKeyboard keyboard;
    CFakeHost host;
    CWin32StringSource strings;
    CScriptedMessageBoxes boxes(&strings);
    CRecordingRestart restart;
    CVelloricDoc doc(registry, keyboard, restart, host);
    CVelloricDocTestAccess::ExitFlow(doc).RestartWindows();

    EXPECT_EQ((std::vector<std::string>{"OpenProcessToken", "LookupPrivilegeValueA SeShutdownPrivilege",
                                        "AdjustTokenPrivileges", "ExitWindowsEx 2"}),
              restart.m_calls);
    EXPECT_EQ((DWORD)(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY), restart.m_dwGranted);
    LUID luid = ShutdownLuid();
    EXPECT_EQ(((IRestartService::PRIVILEGE_LUID)(DWORD)luid.HighPart << 32) | luid.LowPart,
              restart.m_luidAdjusted);
    EXPECT_EQ((DWORD)SE_PRIVILEGE_ENABLED, ShutdownAttributes() & SE_PRIVILEGE_ENABLED);
    EXPECT_TRUE(boxes.m_shown.empty());
}
