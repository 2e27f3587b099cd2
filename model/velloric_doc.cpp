#include "model/velloric_doc.h"

#include <string>
#include <vector>

#include "framework/afx_message_box.h"
#include "model/key_table.h"
#include "model/list_keyboard.h"
#include "model/lost_key_check.h"
#include "res/resource.h"

BOOL g_bEdited = FALSE;
BOOL g_bFirstLoad = TRUE;

const TCommandEntry<CVelloricDoc> CVelloricDoc::s_commands[] = {
    {ID_EDIT_RESTORE, ID_EDIT_RESTORE, &CVelloricDoc::OnRestore, &CVelloricDoc::OnUpdateRestore},
    {ID_EDIT_CHECK_INTEGRITY, ID_EDIT_CHECK_INTEGRITY, &CVelloricDoc::OnCheckIntegrity,
     &CVelloricDoc::OnUpdateCheckIntegrity},
    {ID_EDIT_REMOVE_ALL, ID_EDIT_REMOVE_ALL, &CVelloricDoc::OnRemoveAll, &CVelloricDoc::OnUpdateRemoveAll},
    {ID_FILE_SAVE, ID_FILE_SAVE, &CVelloricDoc::OnFileSave, nullptr},
    {ID_FILE_CANCEL_EXIT, ID_FILE_CANCEL_EXIT, &CVelloricDoc::OnCancel, nullptr},
};

CVelloricDoc::CVelloricDoc(IRegistry& registry, IKeyboardServices& keyboard,
                           IRestartService& restart, IVelloricHost& host)
    : m_store(registry), m_keyboard(keyboard), m_host(host),
      m_exitFlow(*this, m_store, restart, host)
{
}

BOOL CVelloricDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    if (g_bFirstLoad)
    {
        // Only the start-up document shows the registry's list; a key or value
        // that cannot be read leaves it empty, and the exit flow reports it.
        g_bFirstLoad = FALSE;
        ReadRegistryList();
        m_tableInForce = GetPairs();
    }
    else
    {
        m_store.RemoveAll();
    }
    SetCurrentTitle(TRUE);
    return TRUE;
}

BOOL CVelloricDoc::CanCloseFrame()
{
    if (!m_exitFlow.AllowClose())
        return FALSE;
    return CDocument::CanCloseFrame();
}

void CVelloricDoc::SetCurrentTitle(BOOL bClearPath)
{
    SetTitle(AfxLoadString(IDS_CURRENT_SETTING));
    if (bClearPath)
        SetPathName(std::string());
}

void CVelloricDoc::AddMapping(WORD wPhysical, WORD wProduced)
{
    m_store.SetAt(wPhysical, wProduced);
    g_bEdited = TRUE;
}

BOOL CVelloricDoc::RemoveMapping(WORD wPhysical)
{
    BOOL bRemoved = m_store.RemoveKey(wPhysical);
    g_bEdited = TRUE;
    return bRemoved;
}

void CVelloricDoc::ReplaceList(const std::vector<CRemapPair>& pairs)
{
    m_store.SetPairs(pairs);
    g_bEdited = TRUE;
    UpdateAllViews(nullptr, 0);
}

void CVelloricDoc::GetStartPosition()
{
    m_store.GetStartPosition();
}

CRemapPair& CVelloricDoc::GetNextPair(CRemapPair& pair)
{
    return m_store.GetNext(pair);
}

int CVelloricDoc::GetMappingCount() const
{
    return m_store.GetCount();
}

void CVelloricDoc::ReadRegistryList()
{
    m_store.RemoveAll();
    if (m_store.Open())
        m_store.Read();
}

void CVelloricDoc::ReportUnreadableList()
{
    CScancodeMapValue::EReadOutcome outcome = m_store.GetReadOutcome();
    if (outcome == CScancodeMapValue::READ_NOTHING || outcome == CScancodeMapValue::READ_WHOLE)
        return;
    std::string strText;
    AfxFormatString1(strText, IDS_UNREADABLE_SCANCODE_MAP,
                     std::to_string((unsigned long)m_store.GetReadLength()).c_str());
    AfxMessageBox(strText.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

UINT CVelloricDoc::CheckIntegrity(std::string* pstrText)
{
    // The whole list, not only the keys on screen: a key sent nothing, or a
    // key reached only from Print Screen, counts as well.
    return CListKeyboard(GetPairs(), m_keyboard).RunLostKeyCheck(pstrText);
}

std::vector<CRemapPair> CVelloricDoc::GetPairs() const
{
    return m_store.GetPairs();
}

BOOL CVelloricDoc::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    if (DispatchCmdMsg(this, s_commands, nID, pCmdUI))
        return TRUE;
    return CDocument::OnCmdMsg(nID, pCmdUI);
}

void CVelloricDoc::OnRestore(UINT nID)
{
    if (AfxMessageBox(IDS_CONFIRM_RESTORE, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ReloadRegistryList();
}

void CVelloricDoc::ReloadRegistryList()
{
    g_bEdited = FALSE;
    ReadRegistryList();
    SetCurrentTitle(TRUE);
    UpdateAllViews(nullptr, 0);
    ReportUnreadableList();
}

void CVelloricDoc::OnUpdateRestore(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(g_bEdited);
}

void CVelloricDoc::OnCheckIntegrity(UINT nID)
{
    std::string strText;
    UINT nType = CheckIntegrity(&strText);
    if (nType != 0)
        AfxMessageBox(strText.c_str(), nType);
    else
        AfxMessageBox(IDS_CHECK_FOUND_NOTHING, MB_OK | MB_ICONINFORMATION);
}

void CVelloricDoc::OnUpdateCheckIntegrity(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetMappingCount() >= 1);
}

void CVelloricDoc::OnRemoveAll(UINT nID)
{
    if (AfxMessageBox(IDS_CONFIRM_CLEAR, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // The framework reuses this document: OnNewDocument empties the list and
    // the view starts over.
    m_host.OnFileNew();
    g_bEdited = TRUE;
}

void CVelloricDoc::OnUpdateRemoveAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetMappingCount() != 0);
}

void CVelloricDoc::OnFileSave(UINT nID)
{
    // Handled so the framework's save does nothing: the list reaches the
    // registry only at exit.
}

void CVelloricDoc::OnCancel(UINT nID)
{
    if (!ConfirmDiscard())
        return;
    m_host.SetSaveOnExit(FALSE);
    m_host.OnAppExit();
}
