#include "tests/win32/dialog_resources.h"

#include <algorithm>

namespace
{
BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD wLanguage, LONG_PTR lParam)
{
    ((std::vector<WORD>*)lParam)->push_back(wLanguage);
    return TRUE;
}
} // namespace

std::vector<WORD> ResourceLanguages(LPCSTR pszType, UINT nID)
{
    std::vector<WORD> languages;
    ::EnumResourceLanguagesA(::GetModuleHandleA(NULL), pszType, MAKEINTRESOURCEA(nID),
                             &AddLanguage, (LONG_PTR)&languages);
    std::sort(languages.begin(), languages.end());
    return languages;
}

std::wstring DialogTemplateText(UINT nID, WORD wLanguage)
{
    std::vector<WORD> languages = ResourceLanguages((LPCSTR)RT_DIALOG, nID);
    if (std::find(languages.begin(), languages.end(), wLanguage) == languages.end())
        return std::wstring();
    HMODULE hModule = ::GetModuleHandleA(NULL);
    HRSRC hResource =
        ::FindResourceExA(hModule, (LPCSTR)RT_DIALOG, MAKEINTRESOURCEA(nID), wLanguage);
    if (hResource == NULL)
        return std::wstring();
    const wchar_t* pText = (const wchar_t*)::LockResource(::LoadResource(hModule, hResource));
    return std::wstring(pText, ::SizeofResource(hModule, hResource) / sizeof(wchar_t));
}
