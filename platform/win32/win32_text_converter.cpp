#include "platform/win32/win32_text_converter.h"

#include <windows.h>

#include <vector>

std::string CWin32TextConverter::AnsiToUtf8(const std::string& strAnsi)
{
    if (strAnsi.empty())
        return std::string();
    int cchWide = ::MultiByteToWideChar(CP_ACP, 0, strAnsi.data(), (int)strAnsi.size(), NULL, 0);
    if (cchWide <= 0)
        return std::string();
    std::vector<wchar_t> wide((size_t)cchWide);
    ::MultiByteToWideChar(CP_ACP, 0, strAnsi.data(), (int)strAnsi.size(), wide.data(), cchWide);
    int cbUtf8 = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), cchWide, NULL, 0, NULL, NULL);
    if (cbUtf8 <= 0)
        return std::string();
    std::string strUtf8((size_t)cbUtf8, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), cchWide, &strUtf8[0], cbUtf8, NULL, NULL);
    return strUtf8;
}
