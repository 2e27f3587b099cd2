#include "platform/win32/win32_file_dialogs.h"

#include <commdlg.h>

#include <vector>

namespace
{
// The dialogs take the filter's pairs as zero-ended texts with a second zero at the end.
std::vector<char> FilterOf(const char* pszFilter)
{
    std::vector<char> filter;
    for (const char* p = pszFilter; *p != '\0'; ++p)
        filter.push_back(*p == '|' ? '\0' : *p);
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

// Both dialogs share everything but their flags, the default extension and the call.
BOOL AskPath(BOOL (WINAPI* pfnAsk)(LPOPENFILENAMEA), HWND hOwner, const char* pszFilter,
             const char* pszFileName, const char* pszDefaultExtension, DWORD dwFlags,
             std::string* pstrPath)
{
    std::vector<char> filter = FilterOf(pszFilter);
    char szPath[MAX_PATH] = "";
    lstrcpynA(szPath, pszFileName, sizeof szPath);
    OPENFILENAMEA ofn;
    ZeroMemory(&ofn, sizeof ofn);
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = filter.data();
    ofn.lpstrFile = szPath;
    ofn.nMaxFile = sizeof szPath;
    ofn.lpstrDefExt = pszDefaultExtension;
    ofn.Flags = dwFlags | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!pfnAsk(&ofn))
        return FALSE;
    *pstrPath = szPath;
    return TRUE;
}
} // namespace

BOOL CWin32FileDialogs::AskOpenPath(HWND hOwner, const char* pszFilter, std::string* pstrPath)
{
    return AskPath(::GetOpenFileNameA, hOwner, pszFilter, "", NULL, OFN_FILEMUSTEXIST, pstrPath);
}

BOOL CWin32FileDialogs::AskSavePath(HWND hOwner, const char* pszFilter, const char* pszFileName,
                                    const char* pszDefaultExtension, std::string* pstrPath)
{
    return AskPath(::GetSaveFileNameA, hOwner, pszFilter, pszFileName, pszDefaultExtension,
                   OFN_OVERWRITEPROMPT, pstrPath);
}
