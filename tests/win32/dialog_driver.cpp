#include "tests/win32/dialog_driver.h"

namespace
{
CDialogDriver* s_pDriver = nullptr;

BOOL CALLBACK MatchInputDialog(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (lstrcmpA(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd) || !::IsWindowEnabled(hWnd))
        return TRUE;
    *(HWND*)lParam = hWnd;
    return FALSE;
}
} // namespace

HWND FindInputDialog()
{
    HWND hFound = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchInputDialog, (LPARAM)&hFound);
    return hFound;
}

CDialogDriver::CDialogDriver(DWORD dwDeadlineMilliseconds)
    : m_dwDeadline(dwDeadlineMilliseconds), m_dwStart(::GetTickCount())
{
    s_pDriver = this;
    m_nTimer = ::SetTimer(NULL, 0, 10, &CDialogDriver::OnTimer);
}

CDialogDriver::~CDialogDriver()
{
    ::KillTimer(NULL, m_nTimer);
    if (s_pDriver == this)
        s_pDriver = nullptr;
    // A timer message may still wait in the queue.
    MSG msg;
    while (::PeekMessageA(&msg, NULL, WM_TIMER, WM_TIMER, PM_REMOVE))
    {
    }
}

CDialogDriver& CDialogDriver::Then(Step step)
{
    m_steps.push_back(step);
    return *this;
}

void CALLBACK CDialogDriver::OnTimer(HWND hWnd, UINT nMsg, UINT_PTR nID, DWORD dwTime)
{
    if (s_pDriver != nullptr)
        s_pDriver->Tick();
}

void CDialogDriver::Tick()
{
    if (m_bBusy)
        return;
    HWND hDlg = FindInputDialog();
    if (hDlg == NULL)
        return;
    m_bBusy = TRUE;
    if (::GetTickCount() - m_dwStart > m_dwDeadline)
    {
        ++m_nGiveUps;
        ::EndDialog(hDlg, IDABORT);
    }
    else if (!m_steps.empty() && m_steps.front()(hDlg))
        m_steps.pop_front();
    m_bBusy = FALSE;
}

void CDialogDriver::Press(HWND hDlg, int nID)
{
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nID));
}

void CDialogDriver::Click(HWND hDlg, int nID)
{
    ::SendMessageA(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0);
}

void CDialogDriver::SetText(HWND hDlg, int nID, const std::string& strText)
{
    ::SetDlgItemTextA(hDlg, nID, strText.c_str());
}

BOOL CDialogDriver::IsChecked(HWND hDlg, int nID)
{
    return ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED;
}

BOOL CDialogDriver::IsEnabled(HWND hDlg, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, nID));
}
