#include "platform/win32/win32_user_name_source.h"

BOOL CWin32UserNameSource::QueryUserName(char* pBuffer, DWORD* pcbBuffer)
{
    return ::GetUserNameA(pBuffer, pcbBuffer);
}
