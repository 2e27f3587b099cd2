// The logged-on user's name for tests: a fixed answer, or a failure, with a
// record of what was offered.
#pragma once

#include <cstring>
#include <string>

#include "platform/user_name_source.h"

class CFixedUserName : public IUserNameSource
{
public:
    BOOL QueryUserName(char* pBuffer, DWORD* pcbBuffer) override
    {
        ++m_nCalls;
        m_cbOffered = *pcbBuffer;
        if (!m_bSucceed)
            return FALSE;
        std::memcpy(pBuffer, m_strName.c_str(), m_strName.size() + 1);
        *pcbBuffer = m_cbReported != 0 ? m_cbReported : (DWORD)m_strName.size() + 1;
        return TRUE;
    }

    std::string m_strName = "tanaka";
    BOOL m_bSucceed = TRUE;
    DWORD m_cbReported = 0; // 0: the name's size with its terminator
    int m_nCalls = 0;
    DWORD m_cbOffered = 0;
};
