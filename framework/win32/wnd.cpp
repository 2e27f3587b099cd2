#include "framework/win32/wnd.h"

#include "framework/instance_name.h"

namespace
{
const char s_szProp[] = VELLORIC_INSTANCE_NAME ".wnd";

// The messages whose answer a dialog procedure returns itself rather than
// through DWLP_MSGRESULT.
BOOL IsDirectDialogResult(UINT nMsg)
{
    switch (nMsg)
    {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG: return TRUE;
    default: return FALSE;
    }
}
} // namespace

CWnd::~CWnd()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
    {
        ::RemovePropA(m_hWnd, s_szProp);
        ::SetWindowLongPtrA(m_hWnd, m_bDialog ? (int)DWLP_USER : 0, 0);
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

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != NULL && ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (!m_bDialog)
        return Default(nMsg, wParam, lParam);
    // The dialog manager does its own processing when DialogProc returns
    // FALSE: cheaper than calling it from inside.
    m_bPassedOn = TRUE;
    return 0;
}

LRESULT CWnd::Default(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (!m_bDialog)
        return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
    // DefDlgProcA asks the dialog procedure first; the flag makes that one
    // call answer FALSE (windowsx.h's DefDlgProcEx and CheckDefDlgRecursion).
    m_bDefaultNext = TRUE;
    LRESULT lResult = ::DefDlgProcA(m_hWnd, nMsg, wParam, lParam);
    m_bDefaultNext = FALSE;
    return lResult;
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
    BOOL bPassedOn = FALSE;
    return pWnd->Dispatch(nMsg, wParam, lParam, &bPassedOn);
}

INT_PTR CALLBACK CWnd::DialogProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = (CWnd*)::GetWindowLongPtrA(hWnd, DWLP_USER);
    if (pWnd == nullptr)
    {
        // Before WM_INITDIALOG, and after the object let go, the dialog
        // manager alone answers.
        if (nMsg != WM_INITDIALOG || lParam == 0)
            return FALSE;
        pWnd = (CWnd*)lParam;
        pWnd->m_hWnd = hWnd;
        pWnd->m_bDialog = TRUE;
        ::SetWindowLongPtrA(hWnd, DWLP_USER, (LONG_PTR)pWnd);
        ::SetPropA(hWnd, s_szProp, pWnd);
    }
    if (pWnd->m_bDefaultNext)
    {
        pWnd->m_bDefaultNext = FALSE;
        return FALSE;
    }
    BOOL bPassedOn = FALSE;
    LRESULT lResult = pWnd->Dispatch(nMsg, wParam, lParam, &bPassedOn);
    if (bPassedOn)
        return FALSE;
    if (IsDirectDialogResult(nMsg))
        return (INT_PTR)lResult;
    // Set just before returning, so no nested message overwrites it; left
    // alone when it already holds the answer, as it mostly does (0).
    if (::GetWindowLongPtrA(hWnd, DWLP_MSGRESULT) != lResult)
        ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
}

LRESULT CWnd::Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam, BOOL* pbPassedOn)
{
    HWND hWnd = m_hWnd;
    BOOL bOuterPassedOn = m_bPassedOn; // a message this one is nested in
    m_bPassedOn = FALSE;
    LRESULT lResult = WindowProc(nMsg, wParam, lParam);
    *pbPassedOn = m_bPassedOn;
    m_bPassedOn = bOuterPassedOn;
    if (nMsg == WM_NCDESTROY)
    {
        ::RemovePropA(hWnd, s_szProp);
        ::SetWindowLongPtrA(hWnd, m_bDialog ? (int)DWLP_USER : 0, 0);
        m_bDialog = FALSE;
        m_hWnd = NULL;
        PostNcDestroy();
    }
    return lResult;
}
