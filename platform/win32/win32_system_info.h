#pragma once

#include "app/system_info.h"

class CWin32SystemInfo : public ISystemInfo
{
public:
    BOOL GetVersion(DWORD* pdwPlatformId, DWORD* pdwMajorVersion) override;
    UINT GetACP() override;
};
