#include "app/manual_launcher.h"

#include "framework/afx_message_box.h"

std::string CManualLauncher::ManualBesideProgram(const std::string& strProgramPath)
{
    // A dot in a folder name counts as well: the search is over the whole path.
    size_t pos = strProgramPath.rfind('.');
    std::string strPath = pos == std::string::npos ? strProgramPath : strProgramPath.substr(0, pos);
    return strPath + "man.html";
}

BOOL CManualLauncher::TryOpen(const std::string& strPath)
{
    // A path that would not fit the buffer with its terminator is a failed try.
    if (strPath.size() >= PATH_BUFFER)
        return FALSE;
    return m_shell.OpenDocument(m_hOwner, strPath) > 32;
}

BOOL CManualLauncher::ShowManual()
{
    std::string strProgram;
    if (m_shell.GetProgramPath(&strProgram) && TryOpen(ManualBesideProgram(strProgram)))
        return TRUE;
    std::string strDir;
    if (m_shell.GetCurrentDir(&strDir))
    {
        strDir += m_shell.GetAnsiCodePage() == 932 ? "\\velloricman.html" : "\\velloricman-e.html";
        if (TryOpen(strDir))
            return TRUE;
    }
    AfxMessageBox("Can't execute Web Browser", MB_OK);
    return FALSE;
}
