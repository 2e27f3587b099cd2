// The system's version and code page as a test wants them.
#pragma once

#include "platform/system_info.h"

class CFakeSystemInfo : public ISystemInfo
{
public:
    BOOL GetVersion(DWORD* pdwPlatformId, DWORD* pdwMajorVersion) override
    {
        *pdwPlatformId = m_dwPlatformId;
        *pdwMajorVersion = m_dwMajorVersion;
        return m_bVersionKnown;
    }
    UINT GetACP() override { return m_nCodePage; }

    DWORD m_dwPlatformId = 2; // the NT family
    DWORD m_dwMajorVersion = 10;
    BOOL m_bVersionKnown = TRUE;
    UINT m_nCodePage = 1252;
};
