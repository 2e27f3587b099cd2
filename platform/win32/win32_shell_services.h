#pragma once

#include "app/shell_services.h"

class CWin32ShellServices : public IShellServices
{
public:
    BOOL GetProgramPath(std::string* pstrPath) override;
    BOOL GetCurrentDir(std::string* pstrDir) override;
    UINT GetAnsiCodePage() override;
    long long OpenDocument(const std::string& strPath) override;

    HWND m_hOwner = NULL; // the window the shell's messages belong to
};
