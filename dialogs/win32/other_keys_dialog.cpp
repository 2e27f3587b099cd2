#include "dialogs/win32/other_keys_dialog.h"

#include "framework/afx_message_box.h"
#include "model/velloric_doc.h"
#include "res/resource.h"

namespace
{
// Posted by the hook callback, so that the window changes outside it.
const UINT WM_KEY_TAKEN = WM_APP + 1;
const UINT WM_KEY_RELEASED = WM_APP + 2;
const UINT_PTR TIMER_WAIT = 1;
} // namespace

COtherKeysDialog::COtherKeysDialog(CVelloricDoc& doc, IKeyboardServices& keyboard,
                                   IKeyboardHook& hook, BOOL b106Layout)
    : CDialog(IDD_OTHER_KEYS), m_doc(doc), m_hook(hook), m_list(keyboard, b106Layout),
      m_nWaitFor(0), m_bHookSet(FALSE), m_wTaken(0), m_dwTakenScan(0)
{
}

COtherKeysDialog::~COtherKeysDialog()
{
    StopHook();
}

BOOL COtherKeysDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillChoices(IDC_OTHER_KEYS_PHYSICAL, m_list.GetChoices(FALSE));
    FillChoices(IDC_OTHER_KEYS_OUTPUT, m_list.GetChoices(TRUE));
    FillRows();
    return TRUE;
}

LRESULT COtherKeysDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_KEY_TAKEN: OnKeyTaken(); return 0;
    case WM_KEY_RELEASED: StopHook(); return 0;
    case WM_TIMER: OnTimer((UINT_PTR)wParam); return 0;
    default: return CDialog::WindowProc(nMsg, wParam, lParam);
    }
}

BOOL COtherKeysDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam))
    {
    case IDC_OTHER_KEYS_LIST: if (HIWORD(wParam) == LBN_SELCHANGE) OnRowSelected(); return TRUE;
    case IDC_OTHER_KEYS_SET: OnSet(); return TRUE;
    case IDC_OTHER_KEYS_REMOVE: OnRemove(); return TRUE;
    case IDC_OTHER_KEYS_PRESS_PHYSICAL: StartWaiting(IDC_OTHER_KEYS_PHYSICAL); return TRUE;
    case IDC_OTHER_KEYS_PRESS_OUTPUT: StartWaiting(IDC_OTHER_KEYS_OUTPUT); return TRUE;
    default: return CDialog::OnCommand(wParam, lParam);
    }
}

void COtherKeysDialog::OnOK()
{
    // Every change went to the document as it was made: closing is all.
    StopHook();
    EndDialog(IDOK);
}

void COtherKeysDialog::OnCancel()
{
    StopHook();
    EndDialog(IDCANCEL);
}

void COtherKeysDialog::FillRows()
{
    m_rows = m_list.GetRows(m_doc.GetPairs());
    HWND hList = GetDlgItem(IDC_OTHER_KEYS_LIST);
    ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    for (const CRemapPair& pair : m_rows)
        ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)m_list.DescribeRow(pair).c_str());
    EnableDlgItem(IDC_OTHER_KEYS_REMOVE, FALSE);
}

void COtherKeysDialog::FillChoices(int nComboID, const std::vector<CKeyChoice>& choices)
{
    HWND hCombo = GetDlgItem(nComboID);
    for (const CKeyChoice& choice : choices)
    {
        LRESULT nIndex = ::SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)choice.strText.c_str());
        ::SendMessageA(hCombo, CB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)choice.wScancode);
    }
    ::SendMessageA(hCombo, CB_SETCURSEL, 0, 0);
}

void COtherKeysDialog::SelectChoice(int nComboID, WORD wScancode)
{
    HWND hCombo = GetDlgItem(nComboID);
    LRESULT nCount = ::SendMessageA(hCombo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < nCount; ++i)
    {
        if ((WORD)::SendMessageA(hCombo, CB_GETITEMDATA, (WPARAM)i, 0) == wScancode)
        {
            ::SendMessageA(hCombo, CB_SETCURSEL, (WPARAM)i, 0);
            return;
        }
    }
    // A code no choice holds (SysRq, a key of another layout): it becomes one.
    LRESULT nIndex = ::SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)m_list.Describe(wScancode).c_str());
    ::SendMessageA(hCombo, CB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)wScancode);
    ::SendMessageA(hCombo, CB_SETCURSEL, (WPARAM)nIndex, 0);
}

WORD COtherKeysDialog::GetChoice(int nComboID) const
{
    HWND hCombo = GetDlgItem(nComboID);
    LRESULT nIndex = ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    return nIndex < 0 ? (WORD)0 : (WORD)::SendMessageA(hCombo, CB_GETITEMDATA, (WPARAM)nIndex, 0);
}

void COtherKeysDialog::OnRowSelected()
{
    LRESULT nRow = ::SendMessageA(GetDlgItem(IDC_OTHER_KEYS_LIST), LB_GETCURSEL, 0, 0);
    BOOL bRow = nRow >= 0 && (size_t)nRow < m_rows.size();
    EnableDlgItem(IDC_OTHER_KEYS_REMOVE, bRow);
    if (!bRow)
        return;
    SelectChoice(IDC_OTHER_KEYS_PHYSICAL, m_rows[(size_t)nRow].wPhysical);
    SelectChoice(IDC_OTHER_KEYS_OUTPUT, m_rows[(size_t)nRow].wProduced);
}

void COtherKeysDialog::OnSet()
{
    WORD wPhysical = GetChoice(IDC_OTHER_KEYS_PHYSICAL);
    WORD wProduced = GetChoice(IDC_OTHER_KEYS_OUTPUT);
    if (wPhysical == 0)
        return;
    if (wPhysical == wProduced)
    {
        SetStatus(AfxLoadString(IDS_OTHER_KEYS_SAME));
        return;
    }
    m_doc.AddMapping(wPhysical, wProduced);
    m_doc.UpdateAllViews(nullptr, 0);
    FillRows();
    SetStatus(std::string());
}

void COtherKeysDialog::OnRemove()
{
    LRESULT nRow = ::SendMessageA(GetDlgItem(IDC_OTHER_KEYS_LIST), LB_GETCURSEL, 0, 0);
    if (nRow < 0 || (size_t)nRow >= m_rows.size())
        return;
    m_doc.RemoveMapping(m_rows[(size_t)nRow].wPhysical);
    m_doc.UpdateAllViews(nullptr, 0);
    FillRows();
}

void COtherKeysDialog::StartWaiting(int nComboID)
{
    StopHook();
    m_wTaken = 0;
    m_dwTakenScan = 0;
    if (!m_hook.Start(this))
    {
        SetStatus(AfxLoadString(IDS_PRESS_A_KEY_FAILED));
        return;
    }
    m_bHookSet = TRUE;
    m_nWaitFor = nComboID;
    ::SetTimer(m_hWnd, TIMER_WAIT, WAIT_MILLISECONDS, NULL);
    SetStatus(AfxLoadString(IDS_PRESS_A_KEY_WAIT));
}

BOOL COtherKeysDialog::OnKeyPressed(DWORD dwVirtualKey, DWORD dwScanCode, DWORD dwFlags)
{
    if (m_wTaken != 0)
    {
        // Taken already: its release ends the hook; nothing reaches a window meanwhile.
        if ((dwFlags & KEY_FLAG_UP) != 0 && dwScanCode == m_dwTakenScan)
            ::PostMessageA(m_hWnd, WM_KEY_RELEASED, 0, 0);
        return TRUE;
    }
    if (m_nWaitFor == 0)
        return FALSE;
    WORD wCode = COtherKeysList::CodeOfKeyEvent(dwVirtualKey, dwScanCode, dwFlags);
    if (wCode == COtherKeysList::KEY_IGNORED)
        return TRUE;
    m_wTaken = wCode;
    m_dwTakenScan = dwScanCode;
    ::PostMessageA(m_hWnd, WM_KEY_TAKEN, 0, 0);
    return TRUE;
}

void COtherKeysDialog::OnKeyTaken()
{
    if (m_nWaitFor == 0)
        return;
    ::KillTimer(m_hWnd, TIMER_WAIT);
    int nComboID = m_nWaitFor;
    m_nWaitFor = 0;
    if (m_wTaken == COtherKeysList::KEY_ESCAPE)
    {
        SetStatus(AfxLoadString(IDS_PRESS_A_KEY_NONE));
        return;
    }
    WORD wPhysical = COtherKeysList::PhysicalKeyOf(m_wTaken, m_doc.GetTableInForce());
    SelectChoice(nComboID, wPhysical);
    std::string strStatus;
    if (wPhysical != m_wTaken)
        AfxFormatString2(strStatus, IDS_PRESS_A_KEY_TRANSLATED, m_list.Describe(m_wTaken).c_str(),
                         m_list.Describe(wPhysical).c_str());
    else
        AfxFormatString1(strStatus, IDS_PRESS_A_KEY_GOT, m_list.Describe(wPhysical).c_str());
    SetStatus(strStatus);
}

void COtherKeysDialog::OnTimer(UINT_PTR nTimer)
{
    if (nTimer != TIMER_WAIT)
        return;
    ::KillTimer(m_hWnd, TIMER_WAIT);
    if (m_nWaitFor == 0)
        return;
    m_nWaitFor = 0;
    StopHook();
    SetStatus(AfxLoadString(IDS_PRESS_A_KEY_NONE));
}

void COtherKeysDialog::StopHook()
{
    if (!m_bHookSet)
        return;
    m_hook.Stop();
    m_bHookSet = FALSE;
}

void COtherKeysDialog::SetStatus(const std::string& strText)
{
    ::SetDlgItemTextA(m_hWnd, IDC_OTHER_KEYS_STATUS, strText.c_str());
}
