// A window object: one trampoline window procedure finds the object behind an
// HWND and hands every message to its virtual WindowProc, whose switch sends
// each message to a small On* member.
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
    // Adopts a window made elsewhere (a dialog), so its messages reach this object.
    void Attach(HWND hWnd);

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

    WNDPROC m_pfnSuper = NULL; // set when an existing window was adopted

private:
    static LRESULT CALLBACK Trampoline(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
};
