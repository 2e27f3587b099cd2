// The shell and the process's own paths, through shell32 and kernel32.
#pragma once

#include "platform/shell_services.h"

class CWin32ShellServices : public IShellServices
{
public:
    BOOL GetProgramPath(std::string* pstrPath) override;
    BOOL GetCurrentDir(std::string* pstrDir) override;
    UINT GetAnsiCodePage() override;
    long long OpenDocument(HWND hOwner, const std::string& strPath) override;
};
