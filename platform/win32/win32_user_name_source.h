// The logged-on user's name from the system.
#pragma once

#include "platform/user_name_source.h"

class CWin32UserNameSource : public IUserNameSource
{
public:
    BOOL QueryUserName(char* pBuffer, DWORD* pcbBuffer) override;
};
