#include "platform/win32/win32_shell_services.h"

#include <shellapi.h>

BOOL CWin32ShellServices::GetProgramPath(std::string* pstrPath)
{
    char szPath[MAX_PATH];
    DWORD cch = ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    if (cch == 0 || cch >= MAX_PATH)
        return FALSE; // failed, or cut short
    pstrPath->assign(szPath, cch);
    return TRUE;
}

BOOL CWin32ShellServices::GetCurrentDir(std::string* pstrDir)
{
    char szDir[MAX_PATH];
    DWORD cch = ::GetCurrentDirectoryA(MAX_PATH, szDir);
    if (cch == 0 || cch >= MAX_PATH)
        return FALSE;
    pstrDir->assign(szDir, cch);
    return TRUE;
}

UINT CWin32ShellServices::GetAnsiCodePage()
{
    return ::GetACP();
}

long long CWin32ShellServices::OpenDocument(HWND hOwner, const std::string& strPath)
{
    return (long long)(INT_PTR)::ShellExecuteA(hOwner, "open", strPath.c_str(), NULL, NULL,
                                               SW_SHOWDEFAULT);
}
