#include "platform/win32/win32_system_info.h"

BOOL CWin32SystemInfo::GetVersion(DWORD* pdwPlatformId, DWORD* pdwMajorVersion)
{
    OSVERSIONINFOA info;
    ZeroMemory(&info, sizeof info);
    info.dwOSVersionInfoSize = sizeof info; // 148 bytes
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (!::GetVersionExA(&info))
        return FALSE;
    *pdwPlatformId = info.dwPlatformId;
    *pdwMajorVersion = info.dwMajorVersion;
    return TRUE;
}

UINT CWin32SystemInfo::GetACP()
{
    return ::GetACP();
}
