// A window object: one trampoline window procedure finds the object behind an
// HWND and hands every message to its virtual WindowProc, whose switch sends
// each message to a small On* member. A window made elsewhere (a dialog) is
// adopted through the common controls' subclass chain, which keeps the
// window's own procedure below ours.
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
    // Adopts a window made elsewhere (a dialog), so its messages reach this
    // object; FALSE when the system would not subclass it.
    BOOL Attach(HWND hWnd);

    BOOL DestroyWindow();
    LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, nMsg, wParam, lParam);
    }

    HWND m_hWnd = NULL;

protected:
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // The last message this object saw is over; the window is gone.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK Trampoline(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR uIdSubclass, DWORD_PTR dwRefData);
    // Hands the message to WindowProc; after the last one the object lets go.
    LRESULT Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam);

    BOOL m_bSubclassed = FALSE; // an adopted window: Default goes down the subclass chain
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
};
