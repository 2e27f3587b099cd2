// The name of the logged-on user, the default for the automatic logon's user
// name: GetUserNameA in the program, a fixed answer in tests.
#pragma once

#include "platform/platform_types.h"

class IUserNameSource
{
public:
    virtual ~IUserNameSource() {}
    // GetUserNameA(pBuffer, pcbBuffer): *pcbBuffer is the buffer's size on the
    // way in and the name's size with its terminator on the way out.
    virtual BOOL QueryUserName(char* pBuffer, DWORD* pcbBuffer) = 0;
};
