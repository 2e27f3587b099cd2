// The system's file dialogs: comdlg32's GetOpenFileNameA and
// GetSaveFileNameA in the program, scripted answers in tests.
#pragma once

#include <string>

#include "platform/platform_types.h"

class IFileDialogs
{
public:
    virtual ~IFileDialogs() {}
    // The Open dialog owned by hOwner; pszFilter holds pairs of a text and
    // its patterns, each ending in "|" ("Registry files (*.reg)|*.reg|").
    // TRUE and the chosen file's path on OK.
    virtual BOOL AskOpenPath(HWND hOwner, const char* pszFilter, std::string* pstrPath) = 0;
    // The Save As dialog, starting at pszFileName; pszDefaultExtension ("reg")
    // is added to a name typed without one, and replacing a file is confirmed.
    virtual BOOL AskSavePath(HWND hOwner, const char* pszFilter, const char* pszFileName,
                             const char* pszDefaultExtension, std::string* pstrPath) = 0;
};
