// What the manual command asks of the system: the program's own path, the
// current directory, the ANSI code page, and the shell's "open".
#pragma once

#include <string>

#include "platform/platform_types.h"

class IShellServices
{
public:
    virtual ~IShellServices() {}
    // GetModuleFileNameA of the program into a 260-byte buffer; FALSE when it failed.
    virtual BOOL GetProgramPath(std::string* pstrPath) = 0;
    // GetCurrentDirectoryA into a 260-byte buffer; FALSE when it failed or did not fit.
    virtual BOOL GetCurrentDir(std::string* pstrDir) = 0;
    virtual UINT GetAnsiCodePage() = 0;
    // ShellExecuteA(hOwner, "open", path, NULL, NULL, SW_SHOWDEFAULT): above
    // OPEN_ERROR_LAST is success.
    virtual long long OpenDocument(HWND hOwner, const std::string& strPath) = 0;

    enum
    {
        OPEN_ERROR_LAST = 32 // ShellExecute's results up to this one are errors
    };
};
