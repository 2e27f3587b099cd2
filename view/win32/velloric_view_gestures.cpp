// The keyboard view's mouse gestures: a drag of a base key onto a key of
// either keyboard, and a press on a remapped key that gives it its own code
// back. While one runs the view holds the mouse capture and m_pDragKey is set.
#include <string>

#include "framework/win32/frame_wnd.h"
#include "framework/win32/win_app.h"
#include "model/velloric_doc.h"
#include "view/win32/key_cap.h"
#include "view/win32/velloric_view.h"
#include "res/resource.h"

namespace
{
void SendStatusMessage(WPARAM wParam, LPARAM lParam)
{
    CWinApp* pApp = AfxGetApp();
    HWND hMain = pApp != nullptr ? pApp->GetMainWindowHandle() : NULL;
    if (hMain != NULL)
        ::SendMessageA(hMain, WM_SETMESSAGESTRING, wParam, lParam);
}
} // namespace

void CVelloricView::LoadDragCursor()
{
    DestroyDragCursor();
    m_hDragCursor = (HCURSOR)::LoadImageA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDC_CURSOR_DRAG),
                                          IMAGE_CURSOR, 32, 32, LR_DEFAULTSIZE);
}

void CVelloricView::DestroyDragCursor()
{
    if (m_hDragCursor == NULL)
        return;
    // Never leave the pointer showing a destroyed cursor until the next move.
    if (::GetCursor() == m_hDragCursor)
        ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_ARROW));
    ::DestroyCursor(m_hDragCursor);
    m_hDragCursor = NULL;
}

void CVelloricView::AbandonGesture()
{
    if (m_pDragKey != nullptr)
        m_pDragKey->SetState(CKeyCap::KEYSTATE_UP);
    m_pDragKey = nullptr;
    m_bKeyboardGesture = FALSE;
    DestroyDragCursor();
    if (m_pHoverKey != nullptr)
        m_pHoverKey->SetState(CKeyCap::KEYSTATE_UNHILITE);
    m_pHoverKey = nullptr;
}

LRESULT CVelloricView::OnLButtonDown(UINT nMsg, UINT nFlags, POINT pt)
{
    StartGesture(pt);
    return Default(nMsg, nFlags, MAKELPARAM(pt.x, pt.y));
}

void CVelloricView::StartGesture(POINT pt)
{
    // A gesture whose capture went away unnoticed (no mouse move since) ends
    // here, or its key would stay pressed and its cursor leak.
    if (m_pDragKey != nullptr)
    {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        AbandonGesture();
    }
    CKeyCap* pCap = HitTest(pt);
    if (pCap == nullptr || (pCap->IsOnRemapBoard() && !pCap->IsRemapped()))
        return;
    m_pDragKey = pCap;
    ::SetCapture(m_hWnd);
    pCap->SetState(CKeyCap::KEYSTATE_DOWN);
    if (!pCap->IsOnRemapBoard())
    {
        LoadDragCursor();
        ::SetCursor(m_hDragCursor);
    }
    m_pHoverKey = nullptr;
    m_bInside = TRUE;
}

LRESULT CVelloricView::OnMouseMove(UINT nFlags, POINT pt)
{
    if (m_pDragKey != nullptr && ::GetCapture() != m_hWnd)
    {
        // Another window took the capture: the gesture is over, nothing changes.
        AbandonGesture();
        return 0;
    }
    // The pointer really moved: the tip of the focus cue gives way to the mouse's.
    BOOL bMoved = pt.x != m_ptLastMouse.x || pt.y != m_ptLastMouse.y;
    m_ptLastMouse = pt;
    if (bMoved)
        HideFocusTip();
    if (m_pDragKey != nullptr)
    {
        // A drag from the keyboard follows the focus cue, not the pointer.
        if (m_bKeyboardGesture)
            return Default(WM_MOUSEMOVE, nFlags, MAKELPARAM(pt.x, pt.y));
        if (m_pDragKey->IsOnRemapBoard())
            TrackPress(pt);
        else
            DragOver(pt);
    }
    else if (CKeyCap* pCap = HitTest(pt))
    {
        // The full name, without alias: "Caps Lock", not "Caps".
        std::string strLabel;
        pCap->GetHint(strLabel);
        SendStatusMessage(0, (LPARAM)strLabel.c_str());
    }
    else
        SendStatusMessage(AFX_IDS_IDLEMESSAGE, 0);
    return Default(WM_MOUSEMOVE, nFlags, MAKELPARAM(pt.x, pt.y));
}

void CVelloricView::DragOver(POINT pt)
{
    CKeyCap* pTarget = HitTest(pt);
    HCURSOR hCursor = m_hDragCursor;
    if (pTarget != nullptr && pTarget->IsOnRemapBoard() && m_hDragCursor != NULL &&
        pTarget->GetEffectiveCode() == m_pDragKey->GetEffectiveCode())
        hCursor = ::LoadCursorA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDC_CURSOR_NO_DROP));
    ::SetCursor(hCursor);

    if (pTarget != nullptr && pTarget == m_pHoverKey)
        return;
    if (m_pHoverKey != nullptr)
        m_pHoverKey->SetState(CKeyCap::KEYSTATE_UNHILITE);
    if (pTarget == m_pDragKey)
    {
        m_pHoverKey = nullptr; // the dragged key is never a drop target
        return;
    }
    m_pHoverKey = pTarget;
    if (pTarget != nullptr)
        pTarget->SetState(CKeyCap::KEYSTATE_HILITE);
}

void CVelloricView::TrackPress(POINT pt)
{
    if (::PtInRect(&m_pDragKey->GetRect(), pt))
    {
        if (!m_bInside)
            m_pDragKey->SetState(CKeyCap::KEYSTATE_DOWN);
        m_bInside = TRUE;
    }
    else
    {
        if (m_bInside)
            m_pDragKey->SetState(CKeyCap::KEYSTATE_UP);
        m_bInside = FALSE;
    }
}

LRESULT CVelloricView::OnLButtonUp(UINT nFlags, POINT pt)
{
    // A button let go during a drag from the keyboard drops nothing: Enter does.
    if (!m_bKeyboardGesture)
        EndDrag(pt, FALSE);
    return Default(WM_LBUTTONUP, nFlags, MAKELPARAM(pt.x, pt.y));
}

void CVelloricView::OnCancelDrag(UINT nID)
{
    POINT pt = {0, 0};
    EndDrag(pt, TRUE);
}

void CVelloricView::EndDrag(POINT pt, BOOL bCancel)
{
    if (::GetCapture() != m_hWnd)
        return;
    ::ReleaseCapture();
    if (m_pDragKey != nullptr)
    {
        if (bCancel)
            m_pDragKey->SetState(CKeyCap::KEYSTATE_UP);
        else if (!m_pDragKey->IsOnRemapBoard())
        {
            DropKey(pt);
            m_pDragKey->SetState(CKeyCap::KEYSTATE_UP);
        }
        else
            ReleasePress();
    }
    m_pDragKey = nullptr;
    m_bKeyboardGesture = FALSE;
    DestroyDragCursor();
    if (m_pHoverKey != nullptr)
    {
        m_pHoverKey->SetState(CKeyCap::KEYSTATE_UNHILITE);
        m_pHoverKey = nullptr;
    }
}

void CVelloricView::ReleasePress()
{
    if (!m_bInside)
        return; // the key went up when the pointer left it
    m_pDragKey->ClearProduced();
    if (CVelloricDoc* pDoc = GetVelloricDoc())
        pDoc->RemoveMapping(m_pDragKey->GetScancode());
}

void CVelloricView::DropKey(POINT pt)
{
    CVelloricDoc* pDoc = GetVelloricDoc();
    const WORD wDragged = m_pDragKey->GetEffectiveCode();
    CKeyCap* pTarget = FindKeyAt(g_remapCapMap, pt);
    if (pTarget != nullptr)
    {
        if (pTarget->GetScancode() == wDragged)
        {
            // Dropped on its own place: the key sends its own code again.
            if (!pTarget->IsRemapped())
                return;
            pTarget->ClearProduced();
            if (pDoc != nullptr)
                pDoc->RemoveMapping(pTarget->GetScancode());
            return;
        }
        // An existing mapping of the key is replaced in place.
        pTarget->SetProduced(wDragged);
        if (pDoc != nullptr)
            pDoc->AddMapping(pTarget->GetScancode(), pTarget->GetEffectiveCode());
        return;
    }

    pTarget = FindKeyAt(g_baseCapMap, pt);
    if (pTarget == nullptr || pTarget->GetEffectiveCode() == wDragged)
        return;
    // A drop on a base key acts on its twin of the remapped keyboard; its
    // mapping is removed and added anew, at the head of its bucket.
    CKeyCap* pRemap = nullptr;
    if (!g_remapCapMap.Lookup(pTarget->GetScancode(), pRemap) || pRemap == nullptr)
        return;
    if (pRemap->IsRemapped() && pDoc != nullptr)
        pDoc->RemoveMapping(pRemap->GetScancode());
    pRemap->SetProduced(wDragged);
    if (pDoc != nullptr)
        pDoc->AddMapping(pRemap->GetScancode(), pRemap->GetEffectiveCode());
}
