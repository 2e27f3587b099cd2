// A window object: one trampoline window procedure finds the object behind an
// HWND and hands every message to its virtual WindowProc, whose switch sends
// each message to a small On* member. A dialog's messages come through its
// own dialog procedure instead, so that nothing sits between the dialog
// manager and the object: no subclass, no swapped window procedure.
#pragma once

#include "platform/platform_types.h"

class CWnd
{
public:
    CWnd() {}
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWnd* FromHandle(HWND hWnd);

    // Registers pszClass (once per process) with the trampoline as its procedure.
    static BOOL RegisterWindowClass(const char* pszClass, UINT nStyle, HICON hIcon, HBRUSH hBackground);
    // Creates a window of a class registered above; its messages reach this object.
    BOOL CreateEx(DWORD dwExStyle, const char* pszClass, DWORD dwStyle, const RECT& rc,
                  HWND hParent, UINT nID);
    BOOL DestroyWindow();
    LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, nMsg, wParam, lParam);
    }

    HWND m_hWnd = NULL;

protected:
    // The switch's own default: what the window does unhandled.
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // The window's own processing of a message, now, with its answer.
    LRESULT Default(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // The procedure to make a dialog with, its object as the creation
    // parameter: from WM_INITDIALOG on every message reaches WindowProc.
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    // The last message this object saw is over; the window is gone.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK Trampoline(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    // Hands the message to WindowProc; after the last one the object lets
    // go. *pbPassedOn: WindowProc left it to a dialog's own processing.
    LRESULT Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam, BOOL* pbPassedOn);

    BOOL m_bDialog = FALSE;      // made by the dialog manager: Default is DefDlgProcA
    BOOL m_bDefaultNext = FALSE; // Default's own call is coming back through DialogProc
    BOOL m_bPassedOn = FALSE;    // the message being dispatched went unhandled
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
};
