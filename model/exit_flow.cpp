#include "model/exit_flow.h"

#include <cstdio>
#include <string>

#include "framework/afx_message_box.h"
#include "model/velloric_doc.h"
#include "res/resource.h"

CExitFlow::CExitFlow(CVelloricDoc& doc, CScancodeMapStore& store, IRestartService& restart,
                     IVelloricHost& host)
    : m_doc(doc), m_store(store), m_restart(restart), m_host(host)
{
}

BOOL CExitFlow::AllowClose()
{
    if (!m_host.GetSaveOnExit() || !g_bEdited)
        return TRUE;

    // A key that cannot be opened cannot take the list: keep the window and
    // the edits rather than leave as if they had been saved.
    if (ConfirmWrite() != WRITE_GO_AHEAD)
        return FALSE;

    int nAnswer = AfxMessageBox(IDS_ASK_RESTART, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (nAnswer != IDYES && nAnswer != IDNO)
        return FALSE;

    // Asked last, so that nothing can come between this look and the write.
    if (!ConfirmOverwrite())
        return FALSE;
    // A list that did not reach the registry stays on screen, and restarting
    // would only boot into the old table.
    if (!WriteRegistry())
        return FALSE;
    if (nAnswer == IDYES)
        RestartWindows();
    return TRUE;
}

CExitFlow::EConfirmWrite CExitFlow::ConfirmWrite()
{
    if (!m_store.Open())
    {
        AfxMessageBox(IDS_REGISTRY_OPEN_FAILED, MB_OK);
        return WRITE_KEY_NOT_OPEN;
    }
    std::string strText;
    UINT nType = m_doc.CheckIntegrity(&strText);
    if (nType != 0)
    {
        strText += AfxLoadString(IDS_CONFIRM_WRITE_TAIL);
        if (AfxMessageBox(strText.c_str(), nType | MB_OKCANCEL) != IDOK)
            return WRITE_DECLINED;
    }
    return WRITE_GO_AHEAD;
}

BOOL CExitFlow::WriteRegistry()
{
    if (m_store.GetCount() >= 1)
    {
        if (m_store.Write())
            return TRUE;
        // The store has said "Cannot Write!" already.
        AfxMessageBox(IDS_REGISTRY_WRITE_FAILED, MB_OK);
        return FALSE;
    }
    // An empty list removes the value. One that is not there is as good as
    // deleted; any other failure leaves the old table in force.
    LONG lResult = m_store.Delete();
    if (lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND)
        return TRUE;
    AfxMessageBox(IDS_REGISTRY_WRITE_FAILED, MB_OK);
    return FALSE;
}

void CExitFlow::RestartWindows()
{
    // Every step runs even when an earlier one failed; each failure is shown.
    char szText[ERROR_TEXT_CHARS];
    IRestartService::HTOKEN hToken = nullptr;
    BOOL bToken = m_restart.OpenProcessToken(IRestartService::TOKEN_ACCESS, &hToken);
    if (!bToken)
    {
        hToken = nullptr;
        std::snprintf(szText, sizeof szText, "OpenProcessToken Error #%d",
                      (int)m_restart.GetLastError());
        AfxMessageBox(szText, MB_OK);
    }

    IRestartService::PRIVILEGE_LUID luid = 0;
    m_restart.LookupPrivilegeValueA("SeShutdownPrivilege", &luid);

    if (!m_restart.AdjustTokenPrivileges(hToken, luid))
    {
        std::snprintf(szText, sizeof szText, "AdjustTokenPrivileges Error #%d",
                      (int)m_restart.GetLastError());
        m_restart.MessageBoxA(szText);
    }
    // The privilege stays enabled on the process; the handle is no longer needed.
    if (bToken)
        m_restart.CloseHandle(hToken);

    if (!m_restart.ExitWindowsEx(IRestartService::REBOOT, 0))
    {
        std::snprintf(szText, sizeof szText, "Error ExitWindows Error #%d",
                      (int)m_restart.GetLastError());
        AfxMessageBox(szText, MB_OK);
    }
}

BOOL CExitFlow::ConfirmOverwrite()
{
    if (!m_store.HasChangedSinceRead())
        return TRUE;
    // Yes overwrites, No reloads, Cancel goes back. Cancel is the default, so
    // that an Enter pressed out of habit loses neither table.
    int nAnswer = AfxMessageBox(IDS_SCANCODE_MAP_CHANGED,
                                MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON3);
    if (nAnswer == IDYES)
        return TRUE;
    if (nAnswer == IDNO)
        m_doc.ReloadRegistryList();
    return FALSE;
}

BOOL CExitFlow::ConfirmDiscard()
{
    if (!g_bEdited)
        return TRUE;
    return AfxMessageBox(IDS_CONFIRM_DISCARD, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}
