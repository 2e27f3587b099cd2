// What the framework takes from the command line: an argument beginning with
// "-" or "/" is a flag (unknown flags are ignored); the first other argument
// is a document to open.
#pragma once

#include <string>
#include <vector>

#include "platform/platform_types.h"

class CCommandLineInfo
{
public:
    enum EShellCommand
    {
        FileNew,
        FileOpen
    };

    virtual ~CCommandLineInfo() {}
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    // Feeds every argument (without the program name) to ParseParam.
    void ParseArguments(const std::vector<std::string>& args);

    EShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
};
