// Answers modal dialogs from inside their own message loop: a thread timer
// fires every few milliseconds, finds the dialog that takes input now (the
// enabled, visible dialog window of this thread: the innermost modal one)
// and hands it to the next step of the script. A step returns FALSE while
// the dialog is not yet the one it waits for, and is tried again.
// Past the deadline every dialog still open is ended with IDABORT, so a
// broken script fails its test instead of hanging the suite.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

class CDialogDriver
{
public:
    typedef std::function<BOOL(HWND hDlg)> Step;

    explicit CDialogDriver(DWORD dwDeadlineMilliseconds = 15000);
    ~CDialogDriver();

    CDialogDriver& Then(Step step);
    BOOL Done() const { return m_steps.empty(); }
    int GiveUps() const { return m_nGiveUps; }

    // Step helpers. Buttons are pressed by posting their click, so a dialog
    // that the press opens runs its loop after the step has returned.
    static BOOL HasControl(HWND hDlg, int nID) { return ::GetDlgItem(hDlg, nID) != NULL; }
    static void Press(HWND hDlg, int nID);
    // A real click on a check box: it toggles, then notifies its dialog.
    static void Click(HWND hDlg, int nID);
    static void SetText(HWND hDlg, int nID, const std::string& strText);
    static BOOL IsChecked(HWND hDlg, int nID);
    static BOOL IsEnabled(HWND hDlg, int nID);

private:
    static void CALLBACK OnTimer(HWND hWnd, UINT nMsg, UINT_PTR nID, DWORD dwTime);
    void Tick();

    std::deque<Step> m_steps;
    UINT_PTR m_nTimer;
    DWORD m_dwDeadline;
    DWORD m_dwStart;
    BOOL m_bBusy = FALSE;
    int m_nGiveUps = 0;
};

// The window that currently takes input among this thread's dialogs.
HWND FindInputDialog();
