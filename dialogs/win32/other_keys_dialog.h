// "Other Keys" (template 150): the mappings that the drawn keyboards cannot
// show, to add, change and remove. It edits the document's own list, as a
// drop on the keyboard does: the keyboards show each change at once, and
// nothing reaches the registry before save and exit.
//
// "Press a key..." sets a low-level keyboard hook that takes (and swallows)
// the next key pressed, Alt, F10, Print Screen, Pause and the Windows keys
// included, and names its physical key through the table in force. Esc, or
// ten seconds without a key, ends the wait.
#pragma once

#include <vector>

#include "dialogs/other_keys_list.h"
#include "framework/win32/dialog.h"
#include "platform/keyboard_hook.h"

class CVelloricDoc;

class COtherKeysDialog : public CDialog, public IKeyPressSink
{
public:
    COtherKeysDialog(CVelloricDoc& doc, IKeyboardServices& keyboard, IKeyboardHook& hook,
                     BOOL b106Layout);
    ~COtherKeysDialog() override;

    // IKeyPressSink: while waiting, every key event is swallowed; the first
    // press that is a key of its own is taken.
    BOOL OnKeyPressed(DWORD dwVirtualKey, DWORD dwScanCode, DWORD dwFlags) override;

    // What a test may look at: the rows shown and whether a key is awaited.
    const std::vector<CRemapPair>& GetRows() const { return m_rows; }
    BOOL IsWaiting() const { return m_nWaitFor != 0; }

    enum
    {
        WAIT_MILLISECONDS = 10000
    };

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    void FillRows();
    void FillChoices(int nComboID, const std::vector<CKeyChoice>& choices);
    void SelectChoice(int nComboID, WORD wScancode);
    WORD GetChoice(int nComboID) const;
    void OnRowSelected();
    void OnSet();
    void OnRemove();
    void StartWaiting(int nComboID);
    void OnKeyTaken();
    void OnTimer(UINT_PTR nTimer);
    void StopHook();
    void SetStatus(const std::string& strText);

    CVelloricDoc& m_doc;
    IKeyboardHook& m_hook;
    COtherKeysList m_list;
    std::vector<CRemapPair> m_rows;
    int m_nWaitFor;      // the combo a pressed key goes to; 0 while not waiting
    BOOL m_bHookSet;
    WORD m_wTaken;       // the code taken, or KEY_ESCAPE; 0 until then
    DWORD m_dwTakenScan; // its release ends the hook
};
