// The file dialogs of comdlg32.
#pragma once

#include "platform/file_dialogs.h"

class CWin32FileDialogs : public IFileDialogs
{
public:
    BOOL AskOpenPath(HWND hOwner, const char* pszFilter, std::string* pstrPath) override;
    BOOL AskSavePath(HWND hOwner, const char* pszFilter, const char* pszFileName,
                     const char* pszDefaultExtension, std::string* pstrPath) override;
};
