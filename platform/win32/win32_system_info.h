// The system's version record and ANSI code page, through kernel32.
#pragma once

#include "platform/system_info.h"

class CWin32SystemInfo : public ISystemInfo
{
public:
    BOOL GetVersion(DWORD* pdwPlatformId, DWORD* pdwMajorVersion) override;
    UINT GetACP() override;
};
