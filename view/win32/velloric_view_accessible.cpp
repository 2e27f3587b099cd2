// The keyboard view for assistive technology: its accessible object, and
// the events that tell a screen reader where the focus cue went.
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
