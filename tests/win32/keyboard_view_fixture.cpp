#include "tests/win32/keyboard_view_fixture.h"

#include "framework/win32/frame_wnd.h"
#include "framework/win32/single_doc_template.h"
#include "app/preference.h"
#include "model/velloric_doc.h"
#include "tests/support/doc_test_access.h"
#include "tests/support/frame_test_access.h"

namespace
{
const char kLayoutPath[] = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";

HMENU FindPopupHolding(HMENU hMenu, UINT nID)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
        {
            if (HMENU hFound = FindPopupHolding(hSub, nID))
                return hFound;
        }
        else if (::GetMenuItemID(hMenu, i) == nID)
            return hMenu;
    }
    return NULL;
}
} // namespace

CViewImage::CViewImage(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    HDC hWndDC = ::GetDC(hWnd);
    m_hDC = ::CreateCompatibleDC(hWndDC);
    m_hBitmap = ::CreateCompatibleBitmap(hWndDC, rc.right, rc.bottom);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    ::BitBlt(m_hDC, 0, 0, rc.right, rc.bottom, hWndDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hWndDC);
}

CViewImage::~CViewImage()
{
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

int CViewImage::Count(const RECT& rc, COLORREF cr) const
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (At(x, y) == cr)
                ++n;
    return n;
}

KeyboardViewFixture::KeyboardViewFixture()
{
    // The preferences are process-wide: every test starts unread.
    g_preference.m_nFitKeyname = CPreference::UNREAD;
    g_preference.m_nButtonTextType = CPreference::UNREAD;
}

KeyboardViewFixture::~KeyboardViewFixture()
{
    m_pApp.reset();
    g_preference.m_nFitKeyname = CPreference::UNREAD;
    g_preference.m_nButtonTextType = CPreference::UNREAD;
}

void KeyboardViewFixture::StartWithList(const PairList& pairs, const std::vector<std::string>& args)
{
    if (!pairs.empty())
        m_registry.Put(kLayoutPath, "Scancode Map", REG_BINARY, ScancodeMapBytes(pairs));
    ASSERT_EQ(TRUE, Start(args));
    ASSERT_NE(nullptr, View());
}

CVelloricView* KeyboardViewFixture::View() const
{
    if (!m_pApp || m_pApp->m_pMainWnd == nullptr)
        return nullptr;
    return dynamic_cast<CVelloricView*>(m_pApp->m_pMainWnd->GetActiveView());
}

HWND KeyboardViewFixture::ViewWindow() const
{
    return ::GetDlgItem(MainWindow(), AFX_IDW_PANE_FIRST);
}

CVelloricDoc* KeyboardViewFixture::Doc() const
{
    return dynamic_cast<CVelloricDoc*>(m_pApp->GetDocTemplate()->GetDocument());
}

CKeyCap* KeyboardViewFixture::Base(WORD wKeyId)
{
    CKeyCap* pCap = nullptr;
    g_baseCapMap.Lookup(wKeyId, pCap);
    return pCap;
}

CKeyCap* KeyboardViewFixture::Remap(WORD wScancode)
{
    CKeyCap* pCap = nullptr;
    g_remapCapMap.Lookup(wScancode, pCap);
    return pCap;
}

POINT KeyboardViewFixture::Centre(const CKeyCap* pCap)
{
    POINT pt = {(pCap->GetRect().left + pCap->GetRect().right) / 2,
                (pCap->GetRect().top + pCap->GetRect().bottom) / 2};
    return pt;
}

std::string KeyboardViewFixture::Label(const CKeyCap* pCap)
{
    std::string strLabel;
    pCap->GetLabel(strLabel);
    return strLabel;
}

void KeyboardViewFixture::Press(POINT pt)
{
    ::SendMessageA(ViewWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

void KeyboardViewFixture::Move(POINT pt, WPARAM wFlags)
{
    ::SendMessageA(ViewWindow(), WM_MOUSEMOVE, wFlags, MAKELPARAM(pt.x, pt.y));
}

void KeyboardViewFixture::Release(POINT pt)
{
    ::SendMessageA(ViewWindow(), WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

void KeyboardViewFixture::Drag(const CKeyCap* pFrom, const CKeyCap* pTo)
{
    Press(Centre(pFrom));
    Move(Centre(pTo));
    Release(Centre(pTo));
}

LOGFONTA KeyboardViewFixture::KeyFont()
{
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    ::GetObjectA(g_keyFont, sizeof lf, &lf);
    return lf;
}

int KeyboardViewFixture::FittedCapCount()
{
    int n = 0;
    for (CWordHashMap<CKeyCap*>* pMap : {&g_baseCapMap, &g_remapCapMap})
    {
        CWordHashMap<CKeyCap*>::Position pos = pMap->GetStartPosition();
        while (pos != nullptr)
        {
            WORD wKey;
            CKeyCap* pCap;
            pMap->GetNextAssoc(pos, wKey, pCap);
            if (pCap->GetFitFont().lfFaceName[0] != '\0' && pCap->GetFitFont().lfCharSet != SYMBOL_CHARSET)
                ++n;
        }
    }
    return n;
}

std::string KeyboardViewFixture::List() const
{
    return WalkText(CVelloricDocTestAccess::Store(*Doc()));
}

std::string KeyboardViewFixture::StatusText() const
{
    return CFrameTestAccess::StatusBar(*m_pApp->m_pMainWnd).GetPaneText(0);
}

std::string KeyboardViewFixture::PreferenceKey() const
{
    return "HKCU\\Software\\Ostrelwick\\" + m_pApp->GetAppName() + "\\Preference";
}

BOOL KeyboardViewFixture::MenuChecked(UINT nID)
{
    HMENU hPopup = FindPopupHolding(::GetMenu(MainWindow()), nID);
    if (hPopup == NULL)
        return -1;
    ::SendMessageA(MainWindow(), WM_INITMENUPOPUP, (WPARAM)hPopup, 0);
    return (::GetMenuState(hPopup, nID, MF_BYCOMMAND) & MF_CHECKED) ? TRUE : FALSE;
}
