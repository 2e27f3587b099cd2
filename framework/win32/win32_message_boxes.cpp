#include "framework/win32/win32_message_boxes.h"

#include "framework/win32/win_app.h"

int CWin32MessageBoxSink::Show(const char* pszText, const char* pszCaption, UINT nType)
{
    return ::MessageBoxA(AfxGetModalOwner(), pszText, pszCaption, nType);
}

BOOL CWin32StringSource::Load(UINT nID, std::string* pstr)
{
    // A string table entry holds at most 4095 characters; two bytes each in a DBCS code page.
    char szBuffer[8192];
    int cch = ::LoadStringA(::GetModuleHandleA(NULL), nID, szBuffer, sizeof szBuffer);
    if (cch <= 0)
        return FALSE;
    pstr->assign(szBuffer, (size_t)cch);
    return TRUE;
}
