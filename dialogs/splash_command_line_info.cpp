#include "dialogs/splash_command_line_info.h"

#include <cctype>
#include <cstring>

namespace
{
BOOL EqualNoCase(const char* pszA, const char* pszB)
{
    for (; *pszA != '\0' && *pszB != '\0'; ++pszA, ++pszB)
        if (std::tolower((unsigned char)*pszA) != std::tolower((unsigned char)*pszB))
            return FALSE;
    return *pszA == *pszB;
}
} // namespace

void CSplashCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag && (EqualNoCase(pszParam, "Embedding") || EqualNoCase(pszParam, "Automation")))
        m_bShowSplash = FALSE;
    CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
