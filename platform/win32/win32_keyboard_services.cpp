#include "platform/win32/win32_keyboard_services.h"

int CWin32KeyboardServices::GetKeyNameText(LONG lParam, char* pszName, int cchName)
{
    return ::GetKeyNameTextA(lParam, pszName, cchName);
}

int CWin32KeyboardServices::GetKeyboardType(int nTypeFlag)
{
    return ::GetKeyboardType(nTypeFlag);
}
