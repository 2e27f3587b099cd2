// The key context menu of the keyboard view: a key of either keyboard can be
// made to send nothing, or given its own code back.
#include "view/win32/velloric_view.h"

#include "model/velloric_doc.h"
#include "res/resource.h"
#include "view/win32/key_cap.h"

CKeyCap* CVelloricView::RemapCapOf(CKeyCap* pCap)
{
    if (pCap == nullptr || pCap->IsOnRemapBoard())
        return pCap;
    // A base key stands for the same key of the remapped keyboard, as a drop does.
    CKeyCap* pRemapCap = nullptr;
    return g_remapCapMap.Lookup(pCap->GetScancode(), pRemapCap) ? pRemapCap : nullptr;
}

void CVelloricView::ShowPair(CKeyCap* pCap, const CRemapPair& pair)
{
    if (pair.wProduced == 0)
        pCap->SetSendsNothing();
    else
        pCap->SetProduced(pair.wProduced);
}

LRESULT CVelloricView::OnContextMenu(LPARAM lParam)
{
    POINT ptScreen = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    CKeyCap* pCap = nullptr;
    if (ptScreen.x == -1 && ptScreen.y == -1)
    {
        // The context-menu key or Shift+F10: the key with the focus cue.
        pCap = GetFocusKey();
        if (pCap != nullptr)
        {
            ptScreen.x = pCap->GetRect().left;
            ptScreen.y = pCap->GetRect().bottom;
            ::ClientToScreen(m_hWnd, &ptScreen);
        }
    }
    else
    {
        POINT ptClient = ptScreen;
        ::ScreenToClient(m_hWnd, &ptClient);
        pCap = HitTest(ptClient);
    }
    pCap = RemapCapOf(pCap);
    if (pCap == nullptr || m_pDragKey != nullptr)
        return 0;
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_KEY_CONTEXT_MENU));
    if (hMenu == NULL)
        return 0;
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    ::EnableMenuItem(hPopup, ID_KEY_PRODUCE_NOTHING,
                     MF_BYCOMMAND | (pCap->SendsNothing() ? MF_GRAYED : MF_ENABLED));
    ::EnableMenuItem(hPopup, ID_KEY_PRODUCE_OWN,
                     MF_BYCOMMAND | (pCap->IsRemapped() || pCap->SendsNothing() ? MF_ENABLED : MF_GRAYED));
    UINT nID = (UINT)::TrackPopupMenu(hPopup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                      ptScreen.x, ptScreen.y, 0, m_hWnd, NULL);
    ::DestroyMenu(hMenu);
    ApplyKeyCommand(pCap, nID);
    return 0;
}

BOOL CVelloricView::ApplyKeyCommand(CKeyCap* pCap, UINT nID)
{
    CVelloricDoc* pDoc = GetVelloricDoc();
    pCap = RemapCapOf(pCap);
    if (pCap == nullptr || pDoc == nullptr)
        return FALSE;
    if (nID == ID_KEY_PRODUCE_NOTHING)
    {
        pCap->SetSendsNothing();
        pDoc->AddMapping(pCap->GetScancode(), 0);
        return TRUE;
    }
    if (nID == ID_KEY_PRODUCE_OWN)
    {
        pCap->ClearProduced();
        pDoc->RemoveMapping(pCap->GetScancode());
        return TRUE;
    }
    return FALSE;
}
