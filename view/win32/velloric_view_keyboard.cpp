// The keyboard view without a mouse: a focus cue on one cap that the arrow
// keys move over both keyboards as one grid, Space or Enter doing what a
// press does there, and the status bar and a tip following the cue.
#include "view/win32/velloric_view.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win32/frame_wnd.h"
#include "framework/win32/win_app.h"
#include "view/key_navigation.h"
#include "view/win32/key_cap.h"
#include "res/resource.h"

namespace
{
// The tip that follows the focus cue: a tracking tool of the view's tool-tip
// control, under an id no cap has.
const UINT_PTR FOCUS_TIP_ID = 0xFFFF;

void CollectCaps(const CWordHashMap<CKeyCap*>& map, std::vector<CKeyCap*>& caps)
{
    CWordHashMap<CKeyCap*>::Position pos = map.GetStartPosition();
    while (pos != nullptr)
    {
        WORD wKey = 0;
        CKeyCap* pCap = nullptr;
        map.GetNextAssoc(pos, wKey, pCap);
        caps.push_back(pCap);
    }
}

POINT CapCentre(const CKeyCap* pCap)
{
    POINT pt = {(pCap->GetRect().left + pCap->GetRect().right) / 2,
                (pCap->GetRect().top + pCap->GetRect().bottom) / 2};
    return pt;
}
} // namespace

void CVelloricView::GetCapsInOrder(std::vector<CKeyCap*>& caps)
{
    caps.clear();
    CollectCaps(g_baseCapMap, caps);
    CollectCaps(g_remapCapMap, caps);
}

CKeyCap* CVelloricView::GetFocusKey() const
{
    if (m_pFocusKey != nullptr)
        return m_pFocusKey;
    // Before the first move the cue stands on the base keyboard's Esc.
    std::vector<CKeyCap*> caps;
    CollectCaps(g_baseCapMap, caps);
    for (CKeyCap* pCap : caps)
        if (pCap->GetScancode() == 0x01)
            return pCap;
    return caps.empty() ? nullptr : caps.front();
}

LRESULT CVelloricView::OnGetDlgCode()
{
    // Arrows, Space and Enter are the view's own, not a dialog's navigation.
    return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
}

LRESULT CVelloricView::OnKeyDown(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    switch (wParam)
    {
    case VK_LEFT: MoveFocus(CKeyNavigation::NAV_LEFT); return 0;
    case VK_RIGHT: MoveFocus(CKeyNavigation::NAV_RIGHT); return 0;
    case VK_UP: MoveFocus(CKeyNavigation::NAV_UP); return 0;
    case VK_DOWN: MoveFocus(CKeyNavigation::NAV_DOWN); return 0;
    case VK_HOME: MoveFocus(bCtrl ? CKeyNavigation::NAV_BOARD_FIRST : CKeyNavigation::NAV_ROW_START); return 0;
    case VK_END: MoveFocus(bCtrl ? CKeyNavigation::NAV_BOARD_LAST : CKeyNavigation::NAV_ROW_END); return 0;
    case VK_PRIOR: MoveFocus(CKeyNavigation::NAV_BOARD_ABOVE); return 0;
    case VK_NEXT: MoveFocus(CKeyNavigation::NAV_BOARD_BELOW); return 0;
    case VK_SPACE:
    case VK_RETURN: PressFocusKey(); return 0;
    // Where no accelerator turned it into the command (a modal loop's own
    // translation), Esc still cancels as the command does.
    case VK_ESCAPE: OnCancelDrag(ID_KEY_ESCAPE); return 0;
    default: return Default(nMsg, wParam, lParam); // the context-menu key and Shift+F10 go on
    }
}

void CVelloricView::MoveFocus(int nMove)
{
    CKeyCap* pFrom = GetFocusKey();
    if (pFrom == nullptr)
        return;
    std::vector<CKeyCap*> caps;
    GetCapsInOrder(caps);
    std::vector<CNavCap> grid;
    int nFrom = 0;
    for (size_t i = 0; i < caps.size(); ++i)
    {
        if (caps[i] == pFrom)
            nFrom = (int)i;
        grid.push_back(CNavCap{caps[i]->GetRect(), caps[i]->IsOnRemapBoard(), caps[i]->GetScancode()});
    }
    int nTo = CKeyNavigation(grid).Move(nFrom, (CKeyNavigation::EMove)nMove);
    SetFocusKey(caps[(size_t)nTo]);
    // During a drag from the keyboard the cue is the drop target.
    if (m_bKeyboardGesture && m_pDragKey != nullptr)
        DragOver(CapCentre(m_pFocusKey));
}

void CVelloricView::SetFocusKey(CKeyCap* pCap)
{
    CKeyCap* pOld = GetFocusKey();
    m_pFocusKey = pCap;
    if (pOld != nullptr && pOld != pCap)
        ::InvalidateRect(m_hWnd, &pOld->GetRect(), TRUE);
    ::InvalidateRect(m_hWnd, &pCap->GetRect(), TRUE);
    ::UpdateWindow(m_hWnd);
    ShowFocusKeyName();
    OnFocusKeyChanged();
}

void CVelloricView::PressFocusKey()
{
    CKeyCap* pCap = GetFocusKey();
    if (pCap == nullptr)
        return;
    if (m_pDragKey != nullptr)
    {
        // Enter drops what the keyboard picked up; a mouse gesture is the mouse's.
        if (m_bKeyboardGesture)
            EndDrag(CapCentre(pCap), FALSE);
        return;
    }
    if (!pCap->IsOnRemapBoard())
    {
        // Picked up: as a press on the key, the pointer playing no part.
        m_pDragKey = pCap;
        ::SetCapture(m_hWnd);
        pCap->SetState(CKeyCap::KEYSTATE_DOWN);
        LoadDragCursor();
        m_pHoverKey = nullptr;
        m_bInside = TRUE;
        m_bKeyboardGesture = TRUE;
        OnFocusKeyChanged();
    }
    else if (pCap->IsRemapped())
    {
        // Given back at once: a press released inside the key.
        m_pDragKey = pCap;
        m_bInside = TRUE;
        ReleasePress();
        m_pDragKey = nullptr;
        ShowFocusKeyName();
    }
}

void CVelloricView::ShowFocusKeyName()
{
    CKeyCap* pCap = GetFocusKey();
    if (pCap == nullptr)
        return;
    std::string strLabel;
    pCap->GetLabel(strLabel);
    CWinApp* pApp = AfxGetApp();
    HWND hMain = pApp != nullptr ? pApp->GetMainWindowHandle() : NULL;
    if (hMain != NULL)
        ::SendMessageA(hMain, WM_SETMESSAGESTRING, 0, (LPARAM)strLabel.c_str());
    ShowFocusTip(pCap, strLabel);
}

void CVelloricView::ShowFocusTip(const CKeyCap* pCap, const std::string& strLabel)
{
    if (m_hToolTip == NULL)
        return;
    std::vector<char> text(strLabel.begin(), strLabel.end());
    text.push_back('\0');
    TOOLINFOA ti;
    ZeroMemory(&ti, sizeof ti);
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = m_hWnd;
    ti.uId = FOCUS_TIP_ID;
    ti.lpszText = text.data();
    ::SendMessageA(m_hToolTip, TTM_DELTOOLA, 0, (LPARAM)&ti);
    ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, (LPARAM)&ti);
    // Just below the cap, where the pointer's tip would show.
    POINT pt = {pCap->GetRect().left, pCap->GetRect().bottom + 2};
    ::ClientToScreen(m_hWnd, &pt);
    ::SendMessageA(m_hToolTip, TTM_TRACKPOSITION, 0, MAKELPARAM(pt.x, pt.y));
    ::SendMessageA(m_hToolTip, TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
}

void CVelloricView::HideFocusTip()
{
    if (m_hToolTip == NULL)
        return;
    TOOLINFOA ti;
    ZeroMemory(&ti, sizeof ti);
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = m_hWnd;
    ti.uId = FOCUS_TIP_ID;
    ::SendMessageA(m_hToolTip, TTM_TRACKACTIVATE, FALSE, (LPARAM)&ti);
}

BOOL CVelloricView::IsFocusTipShown() const
{
    return m_hToolTip != NULL && ::IsWindowVisible(m_hToolTip);
}

void CVelloricView::DrawFocusCue(HDC hDC)
{
    CKeyCap* pCap = m_bFocused ? GetFocusKey() : nullptr;
    if (pCap == nullptr)
        return;
    RECT rc = pCap->GetRect();
    ::InflateRect(&rc, -3, -3);
    if (::RectVisible(hDC, &rc))
        ::DrawFocusRect(hDC, &rc);
}

LRESULT CVelloricView::OnSetFocus(WPARAM wParam, LPARAM lParam)
{
    // Not the dialog's handling, which would hand the focus on to the form's
    // first control: the view itself takes the keys.
    m_bFocused = TRUE;
    if (m_hToolTip != NULL)
        ::SendMessageA(m_hToolTip, TTM_ACTIVATE, TRUE, 0);
    if (CKeyCap* pCap = GetFocusKey())
        ::InvalidateRect(m_hWnd, &pCap->GetRect(), TRUE);
    OnFocusKeyChanged();
    return 0;
}

LRESULT CVelloricView::OnKillFocus(WPARAM wParam, LPARAM lParam)
{
    m_bFocused = FALSE;
    HideFocusTip();
    if (CKeyCap* pCap = GetFocusKey())
        ::InvalidateRect(m_hWnd, &pCap->GetRect(), TRUE);
    return Default(WM_KILLFOCUS, wParam, lParam);
}
