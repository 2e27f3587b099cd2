#include "framework/win32/wnd.h"

#include <commctrl.h>

#include "framework/instance_name.h"

namespace
{
const char s_szProp[] = VELLORIC_INSTANCE_NAME ".wnd";
// Our one subclass of an adopted window: this id with CWnd::SubclassProc.
const UINT_PTR SUBCLASS_ID = 1;
} // namespace

CWnd::~CWnd()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
    {
        ::RemovePropA(m_hWnd, s_szProp);
        if (m_bSubclassed)
            ::RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, SUBCLASS_ID);
        else
            ::SetWindowLongPtrA(m_hWnd, 0, 0);
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return hWnd ? (CWnd*)::GetPropA(hWnd, s_szProp) : nullptr;
}

BOOL CWnd::RegisterWindowClass(const char* pszClass, UINT nStyle, HICON hIcon, HBRUSH hBackground)
{
    HINSTANCE hInstance = ::GetModuleHandleA(NULL);
    WNDCLASSA wc;
    if (::GetClassInfoA(hInstance, pszClass, &wc))
        return TRUE;
    ZeroMemory(&wc, sizeof wc);
    wc.style = nStyle;
    wc.lpfnWndProc = &CWnd::Trampoline;
    // The window's object in its own extra bytes: read on every message, and
    // cheaper than a property lookup.
    wc.cbWndExtra = sizeof(CWnd*);
    wc.hInstance = hInstance;
    wc.hIcon = hIcon;
    wc.hCursor = ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = hBackground;
    wc.lpszClassName = pszClass;
    return ::RegisterClassA(&wc) != 0;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* pszClass, DWORD dwStyle, const RECT& rc,
                    HWND hParent, UINT nID)
{
    // A child takes its id in the menu argument; a popup has none.
    HMENU hMenu = (dwStyle & WS_CHILD) != 0 ? (HMENU)(UINT_PTR)nID : NULL;
    return ::CreateWindowExA(dwExStyle, pszClass, "", dwStyle, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, hParent, hMenu,
                             ::GetModuleHandleA(NULL), this) != NULL;
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!::SetWindowSubclass(hWnd, &CWnd::SubclassProc, SUBCLASS_ID, (DWORD_PTR)this))
        return FALSE;
    m_hWnd = hWnd;
    m_bSubclassed = TRUE;
    ::SetPropA(hWnd, s_szProp, this);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != NULL && ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return Default(nMsg, wParam, lParam);
}

LRESULT CWnd::Default(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_bSubclassed)
        return ::DefSubclassProc(m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK CWnd::Trampoline(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = (CWnd*)::GetWindowLongPtrA(hWnd, 0);
    if (pWnd == nullptr && nMsg == WM_NCCREATE)
    {
        pWnd = (CWnd*)((CREATESTRUCTA*)lParam)->lpCreateParams;
        if (pWnd != nullptr)
        {
            pWnd->m_hWnd = hWnd;
            ::SetWindowLongPtrA(hWnd, 0, (LONG_PTR)pWnd);
            ::SetPropA(hWnd, s_szProp, pWnd);
        }
    }
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return pWnd->Dispatch(nMsg, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR dwRefData)
{
    return ((CWnd*)dwRefData)->Dispatch(nMsg, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = m_hWnd;
    // A subclass must be gone before its window is; DefSubclassProc still
    // reaches the window's own procedure for this last message.
    if (nMsg == WM_NCDESTROY && m_bSubclassed)
        ::RemoveWindowSubclass(hWnd, &CWnd::SubclassProc, SUBCLASS_ID);
    LRESULT lResult = WindowProc(nMsg, wParam, lParam);
    if (nMsg == WM_NCDESTROY)
    {
        ::RemovePropA(hWnd, s_szProp);
        if (!m_bSubclassed)
            ::SetWindowLongPtrA(hWnd, 0, 0);
        m_bSubclassed = FALSE;
        m_hWnd = NULL;
        PostNcDestroy();
    }
    return lResult;
}
