#include "framework/win32/win32_string_source.h"

namespace
{
// A string table entry holds at most 4095 characters; two bytes each in a DBCS code page.
const int STRING_BUFFER = 8192;
} // namespace

BOOL CWin32StringSource::Load(UINT nID, std::string* pstr)
{
    char szBuffer[STRING_BUFFER];
    int cch = ::LoadStringA(::GetModuleHandleA(NULL), nID, szBuffer, sizeof szBuffer);
    if (cch <= 0)
        return FALSE;
    pstr->assign(szBuffer, (size_t)cch);
    return TRUE;
}
