// The single document: the remap list being edited (the registry's list at
// start-up), the edited flag, the Edit menu's commands, the lost-key check
// and, through CExitFlow, what happens to the list when the program ends.
//
// The lost-key check runs over the whole list: the keys of the drawn
// keyboard and the keys beyond it (CListKeyboard).
#pragma once

#include <string>
#include <vector>

#include "framework/document.h"
#include "model/exit_flow.h"
#include "platform/keyboard_services.h"
#include "platform/registry.h"
#include "model/remap_pair.h"
#include "platform/restart_service.h"
#include "model/scancode_map_store.h"
#include "model/velloric_host.h"

// Set when the list has been edited since it was loaded; decides whether the
// program writes at exit. Separate from the framework's modified flag, which
// stays clear so the framework never asks to save a file.
extern BOOL g_bEdited;
// The first new document reads the registry; every later one starts empty.
extern BOOL g_bFirstLoad;

class CVelloricDoc : public CDocument
{
public:

    CVelloricDoc(IRegistry& registry, IKeyboardServices& keyboard, IRestartService& restart,
                 IVelloricHost& host);

    BOOL OnNewDocument() override;
    BOOL CanCloseFrame() override;
    // Title string 1004; bClearPath also forgets the path name.
    virtual void SetCurrentTitle(BOOL bClearPath);

    // Edits from the keyboard view; each sets g_bEdited.
    void AddMapping(WORD wPhysical, WORD wProduced);
    BOOL RemoveMapping(WORD wPhysical);
    // An imported list takes the place of the one on screen: edited, shown,
    // and written only at save and exit.
    void ReplaceList(const std::vector<CRemapPair>& pairs);
    // The value the list on screen would be saved as.
    BOOL GetValue(std::vector<BYTE>* pValue) { return m_store.GetValue(pValue); }

    // The registry's list as the program started: the table Windows most
    // likely applies now, before any program sees a key.
    const std::vector<CRemapPair>& GetTableInForce() const { return m_tableInForce; }
    // The whole list, in the store's order (a walk of its own).
    std::vector<CRemapPair> GetPairs() const;

    // One walk over the list at a time (the store's cursor).
    void GetStartPosition();
    CRemapPair& GetNextPair(CRemapPair& pair);
    int GetMappingCount() const;

    // Appends the lost-key report to *pstrText; 0, MB_ICONEXCLAMATION or MB_ICONHAND.
    UINT CheckIntegrity(std::string* pstrText);

    // Tells the user when the registry holds a value that the last read could
    // not take in full: the list on screen is not all of it. Silent for a
    // value read whole or for none at all.
    void ReportUnreadableList();
    // Restore without its question: the registry's list replaces the one on
    // screen, unedited, and a value not read in full is told.
    void ReloadRegistryList();

    BOOL ConfirmDiscard() { return m_exitFlow.ConfirmDiscard(); }

    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

protected:
    void OnRestore(UINT nID);
    void OnUpdateRestore(CCmdUI* pCmdUI);
    void OnCheckIntegrity(UINT nID);
    void OnUpdateCheckIntegrity(CCmdUI* pCmdUI);
    void OnRemoveAll(UINT nID);
    void OnUpdateRemoveAll(CCmdUI* pCmdUI);
    void OnFileSave(UINT nID);
    void OnCancel(UINT nID);

private:
    // Tests reach the store and the exit flow through this one friend.
    friend class CVelloricDocTestAccess;

    void ReadRegistryList();

    static const TCommandEntry<CVelloricDoc> s_commands[];

    CScancodeMapStore m_store;
    IKeyboardServices& m_keyboard;
    IVelloricHost& m_host;
    CExitFlow m_exitFlow;
    std::vector<CRemapPair> m_tableInForce;
};
