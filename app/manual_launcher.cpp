#include "app/manual_launcher.h"

#include "framework/afx_message_box.h"
#include "platform/system_info.h"
#include "res/resource.h"

std::string CManualLauncher::ManualBesideProgram(const std::string& strProgramPath,
                                                 const std::string& strEnding)
{
    // A dot in a folder name counts as well: the search is over the whole path.
    size_t pos = strProgramPath.rfind('.');
    std::string strPath = pos == std::string::npos ? strProgramPath : strProgramPath.substr(0, pos);
    return strPath + strEnding;
}

BOOL CManualLauncher::TryOpen(const std::string& strPath)
{
    // A path that would not fit the buffer with its terminator is a failed try.
    if (strPath.size() >= PATH_BUFFER)
        return FALSE;
    return m_shell.OpenDocument(m_hOwner, strPath) > IShellServices::OPEN_ERROR_LAST;
}

BOOL CManualLauncher::ShowManual()
{
    // The manual in the user's language: each resource set names its own.
    std::string strEnding = AfxLoadString(IDS_MANUAL_ENDING);
    if (strEnding.empty())
        strEnding = "man.html";
    std::string strProgram;
    if (m_shell.GetProgramPath(&strProgram) && TryOpen(ManualBesideProgram(strProgram, strEnding)))
        return TRUE;
    std::string strDir;
    if (m_shell.GetCurrentDir(&strDir))
    {
        strDir += m_shell.GetAnsiCodePage() == CP_JAPANESE ? "\\velloricman.html" : "\\velloricman-e.html";
        if (TryOpen(strDir))
            return TRUE;
    }
    AfxMessageBox("Can't execute Web Browser", MB_OK);
    return FALSE;
}
