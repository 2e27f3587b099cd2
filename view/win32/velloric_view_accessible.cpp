// The keyboard view for assistive technology: its accessible object, the
// events that tell a screen reader where the focus cue went, and the system's
// colours under a high-contrast theme.
#include "view/win32/keyboard_accessible.h"
#include "view/win32/key_cap.h"
#include "view/win32/velloric_view.h"

void CVelloricView::OnFocusKeyChanged()
{
    CKeyCap* pCap = GetFocusKey();
    if (m_hWnd == NULL || pCap == nullptr || ::GetFocus() != m_hWnd)
        return;
    LONG nId = CKeyboardAccessible::ChildIdOf(pCap);
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT, nId);
    if (m_pDragKey != nullptr)
        ::NotifyWinEvent(EVENT_OBJECT_SELECTION, m_hWnd, OBJID_CLIENT, CKeyboardAccessible::ChildIdOf(m_pDragKey));
}

LRESULT CVelloricView::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CKeyboardAccessible::OnGetObject(m_hWnd, wParam, lParam);
    return lResult != 0 ? lResult : Default(WM_GETOBJECT, wParam, lParam);
}

LRESULT CVelloricView::OnSysColorChange(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // A high-contrast theme switched on or off: every cap in its new colours.
    m_bHighContrast = CKeyCap::IsHighContrast();
    ::InvalidateRect(m_hWnd, NULL, TRUE);
    return Default(nMsg, wParam, lParam);
}
