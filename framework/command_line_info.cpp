#include "framework/command_line_info.h"

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL)
{
    if (bFlag || !m_strFileName.empty())
        return;
    m_strFileName = pszParam;
    m_nShellCommand = FileOpen;
}

void CCommandLineInfo::ParseArguments(const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& strArg = args[i];
        BOOL bFlag = !strArg.empty() && (strArg[0] == '-' || strArg[0] == '/');
        BOOL bLast = i + 1 == args.size();
        ParseParam(bFlag ? strArg.c_str() + 1 : strArg.c_str(), bFlag, bLast);
    }
}
