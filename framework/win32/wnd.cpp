#include "framework/win32/wnd.h"

namespace
{
const char s_szProp[] = "quendalo.velloric.wnd";
}

CWnd::~CWnd()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
    {
        ::RemovePropA(m_hWnd, s_szProp);
        if (m_pfnSuper != NULL)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
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

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropA(hWnd, s_szProp, this);
    m_pfnSuper = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&CWnd::Trampoline);
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
    if (m_pfnSuper != NULL)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK CWnd::Trampoline(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandle(hWnd);
    if (pWnd == nullptr && nMsg == WM_NCCREATE)
    {
        pWnd = (CWnd*)((CREATESTRUCTA*)lParam)->lpCreateParams;
        if (pWnd != nullptr)
        {
            pWnd->m_hWnd = hWnd;
            ::SetPropA(hWnd, s_szProp, pWnd);
        }
    }
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    if (nMsg == WM_NCDESTROY)
    {
        ::RemovePropA(hWnd, s_szProp);
        pWnd->m_pfnSuper = NULL;
        pWnd->m_hWnd = NULL;
        pWnd->PostNcDestroy();
    }
    return lResult;
}
