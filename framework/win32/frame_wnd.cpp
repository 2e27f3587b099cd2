#include "framework/win32/frame_wnd.h"

#include "framework/afx_message_box.h"
#include "framework/document.h"
#include "framework/win32/view.h"
#include "framework/win32/win_app.h"
#include "framework/win32/window_dpi.h"

namespace
{
const char s_szFrameClass[] = "FrameWnd";
// WM_MENUSELECT's flags when the menu closes.
const UINT MENU_CLOSED = 0xFFFF;
// The system commands' prompts: one string per command, from this id.
const UINT AFX_IDS_SCFIRST = 0xEF00;

// Applies an update handler's answer to one menu item.
class CMenuCmdUI : public CCmdUI
{
public:
    CMenuCmdUI(HMENU hMenu, UINT nID) : CCmdUI(nID), m_hMenu(hMenu) {}
    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        ::EnableMenuItem(m_hMenu, m_nID, MF_BYCOMMAND | (bOn ? MF_ENABLED : MF_GRAYED));
    }
    void SetCheck(int nCheck) override
    {
        CCmdUI::SetCheck(nCheck);
        ::CheckMenuItem(m_hMenu, m_nID, MF_BYCOMMAND | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }

private:
    HMENU m_hMenu;
};
} // namespace

CFrameWnd::~CFrameWnd()
{
    // The frame owns its view; the view leaves its document as it goes.
    if (m_hWnd != NULL)
        ::DestroyWindow(m_hWnd);
    delete m_pView;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, ViewFactory viewFactory, CDocument* pDocument)
{
    m_nIDResource = nIDResource;
    m_viewFactory = viewFactory;
    m_pDocument = pDocument;
    HINSTANCE hInstance = ::GetModuleHandleA(NULL);

    CREATESTRUCTA cs;
    ZeroMemory(&cs, sizeof cs);
    std::string strTitle = AfxLoadStringField(nIDResource, 0);
    cs.lpszName = strTitle.c_str();
    cs.style = WS_OVERLAPPEDWINDOW;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.hInstance = hInstance;
    m_hMenu = ::LoadMenuA(hInstance, MAKEINTRESOURCEA(nIDResource));
    cs.hMenu = m_hMenu;
    if (!PreCreateWindow(cs))
        return FALSE;
    m_hAccel = ::LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(nIDResource));
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, NULL, cs.hMenu, hInstance, (CWnd*)this);
    if (hWnd == NULL)
    {
        if (m_hMenu != NULL)
            ::DestroyMenu(m_hMenu);
        m_hMenu = NULL;
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    HICON hIcon = ::LoadIconA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(m_nIDResource));
    if (!CWnd::RegisterWindowClass(s_szFrameClass, CS_DBLCLKS, hIcon, (HBRUSH)(COLOR_WINDOW + 1)))
        return FALSE;
    cs.lpszClass = s_szFrameClass;
    return TRUE;
}

int CFrameWnd::OnCreate(CREATESTRUCTA*)
{
    if (!m_viewFactory)
        return 0;
    m_pView = m_viewFactory(this);
    if (m_pView == nullptr || !m_pView->Create(m_hWnd, AFX_IDW_PANE_FIRST))
        return -1;
    if (m_pDocument != nullptr)
    {
        m_pView->m_pDocument = m_pDocument;
        m_pDocument->AddView(m_pView);
    }
    return 0;
}

BOOL CFrameWnd::CreateStatusBar(const UINT* pIndicators, int nCount)
{
    return m_wndStatusBar.Create(m_hWnd, AFX_IDW_STATUS_BAR) &&
           m_wndStatusBar.SetIndicators(pIndicators, nCount);
}

void CFrameWnd::InitialUpdateFrame(BOOL bMakeVisible)
{
    if (m_pView != nullptr)
        m_pView->OnInitialUpdate();
    // Made at the system's DPI (the tool bar at 96): on a monitor of another
    // scale from the start, the parts take its DPI before they show.
    ApplyDpi(CWindowDpi::ForWindow(m_hWnd));
    if (bMakeVisible)
    {
        ::ShowWindow(m_hWnd, SW_SHOW);
        ::UpdateWindow(m_hWnd);
    }
    OnIdleUpdate();
}

BOOL CFrameWnd::RouteCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    if (m_pView != nullptr && m_pView->OnCmdMsg(nID, pCmdUI))
        return TRUE;
    if (m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, pCmdUI))
        return TRUE;
    if (OnCmdMsg(nID, pCmdUI))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, pCmdUI);
}

BOOL CFrameWnd::ExecuteCommand(UINT nID)
{
    CCmdUI state(nID);
    if (!RouteCmdMsg(nID, &state) || !state.m_bEnabled)
        return FALSE;
    return RouteCmdMsg(nID, nullptr);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pView != nullptr && m_pView->PreTranslateMessage(pMsg))
        return TRUE;
    return m_hAccel != NULL && ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg);
}

void CFrameWnd::OnIdleUpdate()
{
    m_wndStatusBar.UpdateIndicators();
    for (UINT nID : m_wndToolBar.GetCommands())
    {
        if (nID == 0)
            continue;
        CCmdUI state(nID);
        BOOL bKnown = RouteCmdMsg(nID, &state);
        m_wndToolBar.SetButtonState(nID, bKnown && state.m_bEnabled, state.m_nCheck != 0);
    }
}

BOOL CFrameWnd::DockControlBar(CToolBar* pBar)
{
    if (!m_dockContext.IsCreated() && !m_dockContext.Create(*pBar, m_dwDockStyle))
        return FALSE;
    m_dockContext.Dock(DOCK_TOP);
    LoadBarState();
    m_bBarPlaced = TRUE; // from here on each move is the user's, and remembered
    return TRUE;
}

namespace
{
const char s_szBarSection[] = "ToolBar";
} // namespace

void CFrameWnd::LoadBarState()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    CProfile& profile = pApp->GetProfile();
    int nSide = profile.GetProfileInt(s_szBarSection, "Side", DOCK_TOP);
    if (nSide == DOCK_FLOAT)
    {
        POINT pt = {profile.GetProfileInt(s_szBarSection, "FloatLeft", 0),
                    profile.GetProfileInt(s_szBarSection, "FloatTop", 0)};
        m_dockContext.Float(pt);
    }
    else if (nSide != DOCK_TOP && nSide >= DOCK_TOP && nSide < DOCK_FLOAT)
        m_dockContext.Dock((EDockSide)nSide);
}

void CFrameWnd::SaveBarState()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !m_dockContext.IsCreated() || !m_bBarPlaced)
        return;
    CProfile& profile = pApp->GetProfile();
    profile.WriteProfileInt(s_szBarSection, "Side", (int)m_dockContext.GetSide());
    if (m_dockContext.GetSide() != DOCK_FLOAT)
        return;
    POINT pt = m_dockContext.GetFloatTopLeft();
    profile.WriteProfileInt(s_szBarSection, "FloatLeft", pt.x);
    profile.WriteProfileInt(s_szBarSection, "FloatTop", pt.y);
}

void CFrameWnd::OnBarDockChanged()
{
    if (m_sizeView.cx != 0 || m_sizeView.cy != 0)
        ResizeParentToFit(m_sizeView.cx, m_sizeView.cy);
    else
        RecalcLayout();
    // Remembered at once: when the frame goes, its floating bar is gone already.
    SaveBarState();
    // Moving children uncovers parts that no one else repaints (the form's
    // group captions, a strip beside the form, the status bar): all of it anew.
    ::RedrawWindow(m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CFrameWnd::RecalcLayout()
{
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    if (m_wndStatusBar.m_hWnd != NULL)
    {
        ::SendMessageA(m_wndStatusBar.m_hWnd, WM_SIZE, 0, 0);
        m_wndStatusBar.Layout();
    }
    // The drag outline shows the strip where this layout will put it.
    m_dockContext.SetStatusBarHeight(m_wndStatusBar.GetHeight());
    CDrawRect rcBar, rcView;
    CDockLayout::Arrange(m_dockContext.GetSide(), CDrawSize{rc.right, rc.bottom},
                         m_dockContext.GetDockedSize(), m_wndStatusBar.GetHeight(), &rcBar, &rcView);
    if (m_dockContext.GetSide() != DOCK_FLOAT && m_dockContext.GetDockBarWindow() != NULL)
        ::MoveWindow(m_dockContext.GetDockBarWindow(), rcBar.left, rcBar.top,
                     rcBar.right - rcBar.left, rcBar.bottom - rcBar.top, TRUE);
    if (m_pView != nullptr && m_pView->m_hWnd != NULL)
        ::MoveWindow(m_pView->m_hWnd, rcView.left, rcView.top, rcView.right - rcView.left,
                     rcView.bottom - rcView.top, TRUE);
}

void CFrameWnd::ResizeParentToFit(int cxView, int cyView)
{
    m_sizeView = SIZE{cxView, cyView};
    CDrawSize sizeClient = CDockLayout::ClientSize(m_dockContext.GetSide(), CDrawSize{cxView, cyView},
                                                   m_dockContext.GetDockedSize(),
                                                   m_wndStatusBar.GetHeight());
    RECT rc = {0, 0, sizeClient.cx, sizeClient.cy};
    DWORD dwStyle = (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    DWORD dwExStyle = (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
    CWindowDpi::AdjustWindowRect(&rc, dwStyle, ::GetMenu(m_hWnd) != NULL, dwExStyle,
                                 CWindowDpi::ForWindow(m_hWnd));
    ::SetWindowPos(m_hWnd, NULL, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps takes more room than AdjustWindowRectEx thinks.
    RECT rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    int cyShort = sizeClient.cy - (rcClient.bottom - rcClient.top);
    if (cyShort > 0)
        ::SetWindowPos(m_hWnd, NULL, 0, 0, rc.right - rc.left, rc.bottom - rc.top + cyShort,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcLayout();
}

LRESULT CFrameWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_NCCREATE: return OnNcCreate((CREATESTRUCTA*)lParam);
    case WM_CREATE: return OnCreateMessage((CREATESTRUCTA*)lParam);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_INITMENUPOPUP: return OnInitMenuPopup((HMENU)wParam, lParam);
    case WM_MENUSELECT: return OnMenuSelect(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
    case WM_SETMESSAGESTRING: return OnSetMessageString(wParam, lParam);
    case WM_SYSCOMMAND: OnSysCommand((UINT)wParam, lParam); return 0;
    case WM_CLOSE: return OnClose();
    case WM_DESTROY: return OnDestroy();
    case WM_SIZE: return OnSize();
    case WM_NOTIFY: return OnNotify((NMHDR*)lParam);
    case WM_SETFOCUS: return OnSetFocus();
    case WM_ENABLE: return OnEnable((BOOL)wParam);
    case WM_DPICHANGED: return OnDpiChanged(HIWORD(wParam), (const RECT*)lParam);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: return OnSystemChange(nMsg, wParam, lParam);
    default: return CWnd::WindowProc(nMsg, wParam, lParam);
    }
}

LRESULT CFrameWnd::OnNcCreate(CREATESTRUCTA* pcs)
{
    CWindowDpi::EnableNonClientScaling(m_hWnd);
    return Default(WM_NCCREATE, 0, (LPARAM)pcs);
}

void CFrameWnd::ApplyDpi(UINT nDpi)
{
    m_nDpi = nDpi;
    if (m_wndStatusBar.m_hWnd != NULL)
        m_wndStatusBar.SetDpi(nDpi);
    if (m_wndToolBar.m_hWnd != NULL && m_wndToolBar.GetDpi() != nDpi &&
        (!m_dockContext.IsCreated() || m_dockContext.GetSide() != DOCK_FLOAT))
    {
        // A floating bar keeps the DPI of the monitor its own window is on.
        m_wndToolBar.SetDpi(nDpi);
        m_dockContext.RemeasureBar();
    }
    if (m_pView != nullptr)
        m_pView->OnDpiChanged(nDpi); // the frame fits around the view again
    RecalcLayout();
}

LRESULT CFrameWnd::OnDpiChanged(UINT nDpi, const RECT* prcSuggested)
{
    // Windows' place first: the view then fits the frame around itself,
    // keeping that top-left corner.
    ::SetWindowPos(m_hWnd, NULL, prcSuggested->left, prcSuggested->top,
                   prcSuggested->right - prcSuggested->left,
                   prcSuggested->bottom - prcSuggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyDpi(nDpi);
    ::RedrawWindow(m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return 0;
}

LRESULT CFrameWnd::OnCreateMessage(CREATESTRUCTA* pcs)
{
    if (Default(WM_CREATE, 0, (LPARAM)pcs) == -1)
        return -1;
    return OnCreate(pcs);
}

LRESULT CFrameWnd::OnCommand(WPARAM wParam, LPARAM)
{
    ExecuteCommand(LOWORD(wParam));
    return 0;
}

LRESULT CFrameWnd::OnInitMenuPopup(HMENU hMenu, LPARAM lParam)
{
    // The system menu's commands are the system's: no handler of ours claims
    // them, and greying them would take the close box with them.
    if (HIWORD(lParam) != 0)
        return Default(WM_INITMENUPOPUP, (WPARAM)hMenu, lParam);
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        UINT nID = ::GetMenuItemID(hMenu, i);
        if (nID == 0 || nID == (UINT)-1)
            continue; // separator or submenu
        CMenuCmdUI state(hMenu, nID);
        if (!RouteCmdMsg(nID, &state))
            state.Enable(FALSE);
        else if (!state.m_bEnableChanged)
            state.Enable(TRUE);
    }
    return 0;
}

LRESULT CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hMenu)
{
    if (nFlags == MENU_CLOSED && hMenu == NULL)
        return SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    if (nFlags & (MF_POPUP | MF_SEPARATOR))
        return SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    UINT nStringID = nItemID;
    if (nFlags & MF_SYSMENU)
        nStringID = nItemID >= SC_SIZE ? AFX_IDS_SCFIRST + (nItemID - SC_SIZE) / SC_STEP : 0;
    return SendMessage(WM_SETMESSAGESTRING, nStringID == 0 ? AFX_IDS_IDLEMESSAGE : nStringID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    std::string strText =
        lParam != 0 ? std::string((const char*)lParam) : AfxLoadStringField((UINT)wParam, 0);
    m_wndStatusBar.SetPaneText(0, strText);
    m_nIDLastMessage = (UINT)wParam;
    return nIDLast;
}

void CFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    Default(WM_SYSCOMMAND, nID, lParam);
}

LRESULT CFrameWnd::OnClose()
{
    if (m_pDocument != nullptr && !m_pDocument->CanCloseFrame())
        return 0;
    DestroyWindow();
    return 0;
}

LRESULT CFrameWnd::OnSetFocus()
{
    // The keys go to the view, as they would to a frame's active view.
    if (m_pView != nullptr && m_pView->m_hWnd != NULL)
        ::SetFocus(m_pView->m_hWnd);
    return 0;
}

LRESULT CFrameWnd::OnSystemChange(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // Only top-level windows hear of new colours or settings (a high-contrast
    // theme): the view and the bars are told as well.
    struct CMessage
    {
        UINT nMsg;
        WPARAM wParam;
        LPARAM lParam;
    } message = {nMsg, wParam, lParam};
    ::EnumChildWindows(
        m_hWnd,
        [](HWND hChild, LPARAM lParam) -> BOOL {
            const CMessage* pMessage = (const CMessage*)lParam;
            ::SendMessageA(hChild, pMessage->nMsg, pMessage->wParam, pMessage->lParam);
            return TRUE;
        },
        (LPARAM)&message);
    return Default(nMsg, wParam, lParam);
}

LRESULT CFrameWnd::OnEnable(BOOL bEnable)
{
    // The floating bar is owned, not a child: a modal dialog that disables
    // the frame must disable it too, or its buttons run under the dialog.
    if (m_dockContext.IsCreated() && m_dockContext.GetFloatWindow() != NULL)
        ::EnableWindow(m_dockContext.GetFloatWindow(), bEnable);
    return 0;
}

LRESULT CFrameWnd::OnDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
        ::PostQuitMessage(0);
    return 0;
}

LRESULT CFrameWnd::OnNotify(NMHDR* pHeader)
{
    switch (pHeader->code)
    {
    case TTN_GETDISPINFOA:
    {
        NMTTDISPINFOA* pInfo = (NMTTDISPINFOA*)pHeader;
        m_strTip = AfxLoadStringField((UINT)pHeader->idFrom, 1);
        pInfo->lpszText = (LPSTR)m_strTip.c_str();
        return 0;
    }
    case TTN_GETDISPINFOW:
    {
        NMTTDISPINFOW* pInfo = (NMTTDISPINFOW*)pHeader;
        std::string strTip = AfxLoadStringField((UINT)pHeader->idFrom, 1);
        int cch = ::MultiByteToWideChar(CP_ACP, 0, strTip.c_str(), -1, NULL, 0);
        m_wstrTip.assign(cch > 0 ? (size_t)cch : 1, L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, strTip.c_str(), -1, &m_wstrTip[0], cch);
        pInfo->lpszText = &m_wstrTip[0];
        return 0;
    }
    case TBN_HOTITEMCHANGE:
    {
        if ((m_wndToolBar.GetBarStyle() & CBRS_FLYBY) == 0)
            return 0;
        // Fly-by help: the prompt of the button under the mouse.
        NMTBHOTITEM* pHot = (NMTBHOTITEM*)pHeader;
        if ((pHot->dwFlags & HICF_LEAVING) != 0 || pHot->idNew == 0)
            SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        else
            SendMessage(WM_SETMESSAGESTRING, (WPARAM)pHot->idNew);
        return 0;
    }
    default:
        return 0;
    }
}

LRESULT CFrameWnd::OnSize()
{
    RecalcLayout();
    return 0;
}
