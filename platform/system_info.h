// What start-up asks of the system: its version record and ANSI code page.
#pragma once

#include "platform/platform_types.h"

// The Japanese ANSI code page (Shift-JIS), which the program's Japanese ways follow.
const UINT CP_JAPANESE = 932;

class ISystemInfo
{
public:
    virtual ~ISystemInfo() {}
    // GetVersionExA with a 148-byte OSVERSIONINFOA: platform id and major version.
    virtual BOOL GetVersion(DWORD* pdwPlatformId, DWORD* pdwMajorVersion) = 0;
    virtual UINT GetACP() = 0;
};
