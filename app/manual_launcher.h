// Opens the HTML manual: first the program's own path with the resource
// set's manual ending in place of its extension ("man.html" for the Japanese
// manual, "man-e.html" for the English one), then a fixed name in the current
// directory (the Japanese manual on code page 932, the English one otherwise).
#pragma once

#include <string>

#include "platform/shell_services.h"

class CManualLauncher
{
public:
    enum
    {
        PATH_BUFFER = 260 // both paths are built in a buffer of this size
    };

    // The shell's windows, messages included, belong to hOwner.
    CManualLauncher(IShellServices& shell, HWND hOwner) : m_shell(shell), m_hOwner(hOwner) {}

    // TRUE when the shell opened one of the two; otherwise "Can't execute Web Browser".
    BOOL ShowManual();

    // The first path: cut at the last "." of the whole path, then strEnding.
    static std::string ManualBesideProgram(const std::string& strProgramPath,
                                           const std::string& strEnding = "man.html");

private:
    BOOL TryOpen(const std::string& strPath);
    IShellServices& m_shell;
    HWND m_hOwner;
};
