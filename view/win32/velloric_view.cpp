#include "view/win32/velloric_view.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>

#include "framework/win32/frame_wnd.h"
#include "framework/win32/win_app.h"
#include "model/key_table.h"
#include "model/velloric_doc.h"
#include "view/win32/key_cap.h"
#include "res/resource.h"

namespace
{
template <class FUNCTION>
void ForEachCap(const CWordHashMap<CKeyCap*>& map, FUNCTION function)
{
    CWordHashMap<CKeyCap*>::Position pos = map.GetStartPosition();
    while (pos != nullptr)
    {
        WORD wKey = 0;
        CKeyCap* pCap = nullptr;
        map.GetNextAssoc(pos, wKey, pCap);
        function(pCap);
    }
}

template <class FUNCTION>
void ForEachCapOfBoth(FUNCTION function)
{
    ForEachCap(g_baseCapMap, function);
    ForEachCap(g_remapCapMap, function);
}

// A group box asks for its parent's background along its frame alone, which
// misses every cap: one test of the whole keyboard spares one of each cap.
void DrawKeyboard(HDC hDC, const CWordHashMap<CKeyCap*>& map, const CCapPaint& paint)
{
    RECT rcKeyboard = {0, 0, 0, 0};
    ForEachCap(map, [&rcKeyboard](CKeyCap* pCap) {
        ::UnionRect(&rcKeyboard, &rcKeyboard, &pCap->GetRect());
    });
    if (!::RectVisible(hDC, &rcKeyboard))
        return;
    ForEachCap(map, [hDC, &paint](CKeyCap* pCap) {
        if (::RectVisible(hDC, &pCap->GetRect()))
            pCap->Draw(hDC, paint);
    });
}
} // namespace

const TCommandEntry<CVelloricView> CVelloricView::s_commands[] = {
    {ID_OPTION_FONT, ID_OPTION_FONT, &CVelloricView::OnFontSetup, nullptr},
    {ID_KEY_ESCAPE, ID_KEY_ESCAPE, &CVelloricView::OnCancelDrag, nullptr},
    {ID_OPTION_FIT_KEYNAME, ID_OPTION_FIT_KEYNAME, &CVelloricView::OnFitKeyName,
     &CVelloricView::OnUpdateFitKeyName},
    {ID_KEYNAME_SIMPLE, ID_KEYNAME_SUNK, &CVelloricView::OnKeyNameStyle,
     &CVelloricView::OnUpdateKeyNameStyle},
};

CVelloricView::CVelloricView(IKeyboardServices& keyboard, IFontChooser& fontChooser,
                             IDisplayPreferences& preferences)
    : CFormView(Is106Layout(keyboard) ? CKeyTable::FORM_106 : CKeyTable::FORM_101),
      m_hToolTip(NULL), m_pDragKey(nullptr), m_pHoverKey(nullptr), m_hDragCursor(NULL),
      m_bInside(FALSE), m_pFocusKey(nullptr), m_bKeyboardGesture(FALSE), m_ptLastMouse{-1, -1},
      m_keyboard(keyboard), m_fontChooser(fontChooser),
      m_preferences(preferences), m_b106Layout(Is106Layout(keyboard)), m_bMoveDummy(TRUE),
      m_bAttachCaps(TRUE)
{
    m_strStatus.clear();
    m_bHighContrast = CKeyCap::IsHighContrast();
    CreateKeyCaps(g_baseCapMap, 0);
    CreateKeyCaps(g_remapCapMap, CKeyTable::REMAP_ID_OFFSET);
}

CVelloricView::~CVelloricView()
{
    ReleaseKeyCaps();
}

void CVelloricView::PostNcDestroy()
{
    // The window goes with the main frame; the caps and their maps go with it.
    ReleaseKeyCaps();
    CFormView::PostNcDestroy();
}

void CVelloricView::CreateKeyCaps(CWordHashMap<CKeyCap*>& map, int nOffset)
{
    if (!map.IsEmpty())
        return;
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    int nCount = CKeyTable::GetCount(m_b106Layout);
    for (int i = 0; i < nCount; ++i)
        AddKeyCap(map, nOffset, pEntries[i].wKeyId, pEntries[i].wTableCode);
}

void CVelloricView::AddKeyCap(CWordHashMap<CKeyCap*>& map, int nOffset, WORD wKeyId,
                              WORD wTableCode)
{
    WORD wScancode = ScancodeFromTableCode(wTableCode);
    if (nOffset == 0)
        map.SetAt(wKeyId, new CKeyCap(this, wTableCode, wKeyId, wScancode, FALSE));
    else
        map.SetAt(wScancode, new CKeyCap(this, wTableCode, wKeyId + nOffset, wScancode, TRUE));
}

void CVelloricView::ReleaseKeyCaps()
{
    DestroyDragCursor();
    m_pDragKey = nullptr;
    m_pHoverKey = nullptr;
    m_pFocusKey = nullptr;
    if (m_hToolTip != NULL && ::IsWindow(m_hToolTip))
        ::DestroyWindow(m_hToolTip);
    m_hToolTip = NULL;
    if (g_pKeyboardView != this)
        return;
    ForEachCapOfBoth([](CKeyCap* pCap) { delete pCap; });
    g_baseCapMap.RemoveAll();
    g_remapCapMap.RemoveAll();
    m_bMoveDummy = TRUE;
    m_bAttachCaps = TRUE;
    if (g_keyFont != NULL)
        ::DeleteObject(g_keyFont);
    g_keyFont = NULL;
    g_pKeyboardView = nullptr;
}

CVelloricDoc* CVelloricView::GetVelloricDoc() const
{
    return dynamic_cast<CVelloricDoc*>(GetDocument());
}

void CVelloricView::DoDataExchange(BOOL bSaveAndValidate)
{
    if (!bSaveAndValidate)
    {
        ::SetDlgItemTextA(m_hWnd, IDC_FORM_STATUS, m_strStatus.c_str());
        return;
    }
    char szText[256] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_FORM_STATUS, szText, sizeof szText);
    m_strStatus = szText;
}

BOOL CVelloricView::PreTranslateMessage(MSG* pMsg)
{
    if (m_hToolTip != NULL)
        ::SendMessageA(m_hToolTip, TTM_RELAYEVENT, 0, (LPARAM)pMsg);
    return CFormView::PreTranslateMessage(pMsg);
}

void CVelloricView::OnInitialUpdate()
{
    DoDataExchange(FALSE);
    CFormView::OnInitialUpdate(); // runs OnUpdate
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(::GetParent(m_hWnd))))
        pFrame->RecalcLayout();
    ResizeParentToFit();
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_FORM_STATUS), SW_HIDE);
    if (m_bMoveDummy)
    {
        m_bMoveDummy = FALSE;
        ::MoveWindow(::GetDlgItem(m_hWnd, IDC_FORM_DUMMY), -1, -1, 0, 0, FALSE);
    }
    BYTE record[IDisplayPreferences::FONT_RECORD_BYTES];
    if (m_preferences.GetFont(record))
    {
        LOGFONTA lf;
        std::memcpy(&lf, record, sizeof lf);
        ScaleKeyFont(&lf, TRUE);
        CKeyCap::RecreateKeyFont(lf);
        RelayoutAllKeys();
    }
}

void CVelloricView::OnUpdate(IDocumentView* pSender, long lHint)
{
    if (m_hToolTip == NULL)
    {
        m_hToolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, NULL, WS_POPUP, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, NULL,
                                       ::GetModuleHandleA(NULL), NULL);
        if (m_hToolTip != NULL)
            ::SendMessageA(m_hToolTip, TTM_ACTIVATE, TRUE, 0);
    }
    if (m_bAttachCaps)
    {
        m_bAttachCaps = FALSE;
        ForEachCapOfBoth([](CKeyCap* pCap) { pCap->AttachToControl(); });
    }
    // Every remapped key starts over, also one that the old list mapped to
    // its own scancode: otherwise it would stay red after a restore.
    ForEachCap(g_remapCapMap, [](CKeyCap* pCap) {
        if (pCap->IsRemapped() || pCap->SendsNothing())
            pCap->ClearProduced();
    });
    if (CVelloricDoc* pDoc = GetVelloricDoc())
    {
        CRemapPair pair;
        pDoc->GetStartPosition();
        while (!pDoc->GetNextPair(pair).IsNull())
        {
            // A pair for a key that is not on this keyboard stays in the list unseen.
            CKeyCap* pCap = nullptr;
            if (g_remapCapMap.Lookup(pair.wPhysical, pCap) && pCap != nullptr)
                ShowPair(pCap, pair);
        }
    }
    RelayoutAllKeys();
}

void CVelloricView::Paint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    OnDraw(hDC);
    ::EndPaint(m_hWnd, &ps);
}

void CVelloricView::OnDraw(HDC hDC)
{
    // Read once for all the caps, and one save of the DC around them all.
    CCapPaint paint;
    paint.bContrast = m_bHighContrast;
    paint.nButtonTextType = m_preferences.GetButtonTextType();
    paint.nBkMode = ::GetBkMode(hDC);
    paint.hKeyFont = CKeyCap::GetKeyFont();
    int nSaved = ::SaveDC(hDC);
    DrawKeyboard(hDC, g_baseCapMap, paint);
    DrawKeyboard(hDC, g_remapCapMap, paint);
    ::RestoreDC(hDC, nSaved);
    DrawFocusCue(hDC);
}

void CVelloricView::RelayoutAllKeys()
{
    if (m_hWnd == NULL)
        return;
    HDC hDC = ::GetDC(m_hWnd);
    ForEachCapOfBoth([hDC](CKeyCap* pCap) { pCap->Layout(hDC); });
    ::ReleaseDC(m_hWnd, hDC);
}

CKeyCap* CVelloricView::FindKeyAt(const CWordHashMap<CKeyCap*>& map, POINT pt)
{
    CKeyCap* pFound = nullptr;
    ForEachCap(map, [&pFound, pt](CKeyCap* pCap) {
        if (pFound == nullptr && ::PtInRect(&pCap->GetRect(), pt))
            pFound = pCap;
    });
    return pFound;
}

CKeyCap* CVelloricView::HitTest(POINT pt) const
{
    CKeyCap* pCap = FindKeyAt(g_baseCapMap, pt);
    return pCap != nullptr ? pCap : FindKeyAt(g_remapCapMap, pt);
}

void CVelloricView::GetRemappedKeys(std::vector<CRemappedKey>* pKeys)
{
    // The key table's order, which is the order the caps were made in.
    pKeys->clear();
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
    {
        CKeyCap* pCap = nullptr;
        if (!g_remapCapMap.Lookup(ScancodeFromTableCode(pEntries[i].wTableCode), pCap) ||
            pCap == nullptr)
            continue;
        CRemappedKey key;
        key.wScancode = pCap->GetScancode();
        key.wTableCode = pCap->GetTableCode();
        key.wProduced = pCap->GetProduced();
        pKeys->push_back(key);
    }
}

BOOL CVelloricView::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    if (DispatchCmdMsg(this, s_commands, nID, pCmdUI))
        return TRUE;
    return CFormView::OnCmdMsg(nID, pCmdUI);
}

void CVelloricView::OnFitKeyName(UINT nID)
{
    m_preferences.SetFitKeyname(m_preferences.GetFitKeyname() == 0 ? 1 : 0);
    RelayoutAllKeys();
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CVelloricView::OnUpdateFitKeyName(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_preferences.GetFitKeyname());
}

void CVelloricView::OnKeyNameStyle(UINT nID)
{
    // The style only changes how the caps paint: no new layout.
    m_preferences.SetButtonTextType((int)(nID - ID_KEYNAME_SIMPLE));
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CVelloricView::OnUpdateKeyNameStyle(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck((int)(pCmdUI->m_nID - ID_KEYNAME_SIMPLE) == m_preferences.GetButtonTextType());
}

void CVelloricView::OnFontSetup(UINT nID)
{
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    ::GetObjectA(CKeyCap::GetKeyFont(), sizeof lf, &lf);
    CWinApp* pApp = AfxGetApp();
    HWND hOwner = pApp != nullptr ? pApp->GetMainWindowHandle() : m_hWnd;
    if (!m_fontChooser.ChooseFont(hOwner, &lf, CF_SCREENFONTS | CF_NOSCRIPTSEL))
        return;
    CKeyCap::RecreateKeyFont(lf);
    ScaleKeyFont(&lf, FALSE);
    BYTE record[IDisplayPreferences::FONT_RECORD_BYTES];
    std::memcpy(record, &lf, sizeof record);
    m_preferences.SetFont(record);
    RelayoutAllKeys();
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

LRESULT CVelloricView::OnInputLangChange(WPARAM wParam, LPARAM lParam)
{
    // Names follow the new language: so do the fitted fonts, the symbol
    // choices and the tool tips, not only the painted text.
    RelayoutAllKeys();
    ForEachCapOfBoth([](CKeyCap* pCap) { pCap->UpdateToolTip(); });
    ::InvalidateRect(m_hWnd, NULL, TRUE);
    return Default(WM_INPUTLANGCHANGE, wParam, lParam);
}

LRESULT CVelloricView::OnPaint()
{
    Paint();
    return 0;
}

LRESULT CVelloricView::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    Default(WM_PRINTCLIENT, wParam, lParam);
    OnDraw((HDC)wParam);
    return 0;
}

LRESULT CVelloricView::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    switch (nMsg)
    {
    case WM_SETFOCUS: return OnSetFocus(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    case WM_GETDLGCODE: return OnGetDlgCode();
    case WM_KEYDOWN: return OnKeyDown(nMsg, wParam, lParam);
    case WM_GETOBJECT: return OnGetObject(wParam, lParam);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: return OnSysColorChange(nMsg, wParam, lParam);
    case WM_LBUTTONDOWN: // the class takes double clicks: a quick second press is one
    case WM_LBUTTONDBLCLK: return OnLButtonDown(nMsg, (UINT)wParam, pt);
    case WM_MOUSEMOVE: return OnMouseMove((UINT)wParam, pt);
    case WM_LBUTTONUP: return OnLButtonUp((UINT)wParam, pt);
    case WM_INPUTLANGCHANGE: return OnInputLangChange(wParam, lParam);
    case WM_CONTEXTMENU: return OnContextMenu(lParam);
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT: return OnPrintClient(wParam, lParam);
    default: return CFormView::WindowProc(nMsg, wParam, lParam);
    }
}
