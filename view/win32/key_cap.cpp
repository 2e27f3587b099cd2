#include "view/win32/key_cap.h"

#include <commctrl.h>

#include <vector>

#include "framework/afx_message_box.h"
#include "model/command_line_flags.h"
#include "model/key_name_alias.h"
#include "view/key_cap_state.h"
#include "view/key_fit.h"
#include "view/key_label.h"
#include "view/win32/velloric_view.h"
#include "platform/win32/win32_text_measure.h"
#include "res/resource.h"

static_assert(KEY_DT_CENTER == DT_CENTER && KEY_DT_VCENTER == DT_VCENTER &&
                  KEY_DT_WORDBREAK == DT_WORDBREAK && KEY_DT_SINGLELINE == DT_SINGLELINE &&
                  KEY_DT_CALCRECT == DT_CALCRECT && KEY_DT_NOPREFIX == DT_NOPREFIX,
              "the cap logic's DrawText formats are the platform's");
static_assert(KEY_SYSCOLOR_HIGHLIGHT == COLOR_HIGHLIGHT && KEY_SYSCOLOR_HIGHLIGHTTEXT == COLOR_HIGHLIGHTTEXT &&
                  KEY_SYSCOLOR_BTNFACE == COLOR_BTNFACE && KEY_SYSCOLOR_GRAYTEXT == COLOR_GRAYTEXT &&
                  KEY_SYSCOLOR_BTNTEXT == COLOR_BTNTEXT,
              "the contrast look's colours are the system's");
static_assert(KEY_EDGE_RAISED == EDGE_RAISED && KEY_EDGE_SUNKEN == EDGE_SUNKEN &&
                  KEY_EDGE_ETCHED == EDGE_ETCHED && KEY_SYMBOL_CHARSET == SYMBOL_CHARSET,
              "the cap logic's edges and character set are the platform's");

CVelloricView* g_pKeyboardView = nullptr;
HFONT g_keyFont = NULL;
CWordHashMap<CKeyCap*> g_baseCapMap;
CWordHashMap<CKeyCap*> g_remapCapMap;

namespace
{
class CRemapCapFinder : public IRemapKeyFinder
{
public:
    BOOL FindRemapKey(WORD wScancode, WORD* pwTableCode) const override
    {
        CKeyCap* pCap = nullptr;
        if (!g_remapCapMap.Lookup(wScancode, pCap) || pCap == nullptr)
            return FALSE;
        *pwTableCode = pCap->GetTableCode();
        return TRUE;
    }
};

HWND ViewWindow()
{
    return g_pKeyboardView != nullptr ? g_pKeyboardView->m_hWnd : NULL;
}
} // namespace

CKeyCap::CKeyCap(CVelloricView* pView, WORD wTableCode, int nID, WORD wScancode,
                 BOOL bOnRemapBoard)
    : m_nID(nID), m_nState(0), m_wScancode(wScancode), m_wTableCode(wTableCode), m_wProduced(0),
      m_bOnRemapBoard(bOnRemapBoard ? 1 : 0), m_bSendsNothing(0), m_nDrawFormat(0),
      m_hFitFont(NULL)
{
    ::SetRectEmpty(&m_rect);
    ::SetRectEmpty(&m_rectText);
    ZeroMemory(&m_lfFit, sizeof m_lfFit);
    g_pKeyboardView = pView;
}

CKeyCap::~CKeyCap()
{
    if (m_hFitFont != NULL)
        ::DeleteObject(m_hFitFont);
}

void CKeyCap::AttachToControl()
{
    HWND hView = ViewWindow();
    HWND hButton = hView != NULL ? ::GetDlgItem(hView, m_nID) : NULL;
    // A template without this key's button leaves the cap empty and unreachable.
    if (hButton != NULL)
    {
        RECT rc;
        ::GetWindowRect(hButton, &rc);
        POINT ptTopLeft = {rc.left, rc.top};
        POINT ptBottomRight = {rc.right, rc.bottom};
        ::ScreenToClient(hView, &ptTopLeft);
        ::ScreenToClient(hView, &ptBottomRight);
        ::SetRect(&m_rect, ptTopLeft.x, ptTopLeft.y, ptBottomRight.x, ptBottomRight.y);
        ::DestroyWindow(hButton);
    }
    UpdateToolTip();
}

void CKeyCap::UpdateToolTip()
{
    if (g_pKeyboardView == nullptr || g_pKeyboardView->GetToolTip() == NULL)
        return;
    std::string strLabel;
    GetHint(strLabel);
    std::vector<char> text(strLabel.begin(), strLabel.end());
    text.push_back('\0');
    TOOLINFOA ti;
    ZeroMemory(&ti, sizeof ti);
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = ViewWindow();
    ti.uId = (UINT_PTR)m_nID;
    ti.rect = m_rect;
    ti.lpszText = text.data();
    // A second registration under the same id would leave the first, stale
    // label in force: replace the tool instead.
    ::SendMessageA(g_pKeyboardView->GetToolTip(), TTM_DELTOOLA, 0, (LPARAM)&ti);
    ::SendMessageA(g_pKeyboardView->GetToolTip(), TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CKeyCap::SetSendsNothing()
{
    SetProduced(0);
    m_bSendsNothing = 1;
    UpdateToolTip();
}

void CKeyCap::GetHint(std::string& strHint) const
{
    GetLabel(strHint);
    if (m_bSendsNothing)
        AfxFormatString1(strHint, IDS_PRODUCES_NOTHING, std::string(strHint).c_str());
}

void CKeyCap::SetProduced(WORD wProduced)
{
    m_wProduced = wProduced;
    m_bSendsNothing = 0;
    HWND hView = ViewWindow();
    if (hView != NULL)
    {
        HDC hDC = ::GetDC(hView);
        Layout(hDC);
        ::ReleaseDC(hView, hDC);
    }
    SetState(KEYSTATE_UP);
    UpdateToolTip();
}

void CKeyCap::ClearProduced()
{
    SetProduced(0);
}

void CKeyCap::SetState(int nRequest)
{
    m_nState = CKeyCapState::ApplyRequest(m_nState, nRequest);
    HWND hView = ViewWindow();
    if (hView == NULL)
        return;
    ::InvalidateRect(hView, &m_rect, TRUE);
    ::UpdateWindow(hView);
}

void CKeyCap::GetLabel(std::string& strLabel) const
{
    if (g_pKeyboardView == nullptr)
    {
        strLabel.clear();
        return;
    }
    CRemapCapFinder finder;
    CKeyLabel label(g_pKeyboardView->GetKeyboard(), finder);
    strLabel = label.Get(m_wTableCode, m_wScancode, m_wProduced, g_bDebug);
}

void CKeyCap::GetOwnLabel(std::string& strLabel) const
{
    strLabel.clear();
    if (g_pKeyboardView == nullptr)
        return;
    CRemapCapFinder finder;
    CKeyLabel label(g_pKeyboardView->GetKeyboard(), finder);
    strLabel = label.GetOwn(m_wTableCode, m_wScancode, g_bDebug);
}

HFONT CKeyCap::GetKeyFont()
{
    if (g_keyFont != NULL)
        return g_keyFont;
    HWND hView = ViewWindow();
    HFONT hFormFont = hView != NULL ? (HFONT)::SendMessageA(hView, WM_GETFONT, 0, 0) : NULL;
    if (hFormFont == NULL)
        hFormFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT); // a form without a font of its own
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    ::GetObjectA(hFormFont, sizeof lf, &lf);
    lf = CKeyFit::KeyFontFromFormFont(lf);
    g_keyFont = ::CreateFontIndirectA(&lf);
    return g_keyFont;
}

void CKeyCap::Layout(HDC hDC)
{
    HFONT hKeyFont = GetKeyFont();
    int nSaved = ::SaveDC(hDC);
    ::SelectObject(hDC, hKeyFont);
    LOGFONTA lfKey;
    ZeroMemory(&lfKey, sizeof lfKey);
    ::GetObjectA(hKeyFont, sizeof lfKey, &lfKey);

    std::string strLabel;
    GetLabel(strLabel);
    CWin32TextMeasure measure(hDC);
    CKeyFitResult result = CKeyFit(measure).Fit(m_rect, strLabel, lfKey, g_bDebug,
                                                g_pKeyboardView->GetPreferences().GetFitKeyname());
    m_nDrawFormat = result.nDrawFormat;
    m_rectText = result.rectText;
    m_lfFit = result.lfFit;
    ::RestoreDC(hDC, nSaved);

    m_strDrawn = strLabel;
    ApplyKeyNameAlias(m_strDrawn); // its font arrives through m_lfFit
    if (m_hFitFont != NULL)
        ::DeleteObject(m_hFitFont);
    m_hFitFont = !IsEmptyFontRecord(m_lfFit) ? ::CreateFontIndirectA(&m_lfFit) : NULL;
}

BOOL CKeyCap::IsHighContrast()
{
    HIGHCONTRASTA hc;
    ZeroMemory(&hc, sizeof hc);
    hc.cbSize = sizeof hc;
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) &&
           (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void CKeyCap::SelectLabelFont(HDC hDC, const CCapPaint& paint) const
{
    ::SelectObject(hDC, m_hFitFont != NULL ? m_hFitFont : paint.hKeyFont);
}

void CKeyCap::DrawLabel(HDC hDC, RECT rcDraw) const
{
    ::DrawTextA(hDC, m_strDrawn.c_str(), (int)m_strDrawn.size(), &rcDraw, m_nDrawFormat);
}

void CKeyCap::DrawInContrast(HDC hDC, const CCapPaint& paint) const
{
    BOOL bOff = IsOnRemapBoard() && SendsNothing();
    CKeyCapContrastLook look = CKeyCapState::GetContrastLook(m_nState, IsOnRemapBoard(), IsRemapped(), bOff);
    RECT rcFace = m_rect;
    ::FillRect(hDC, &rcFace, ::GetSysColorBrush(look.nFace));
    if (look.bMarkRemapped)
    {
        // Not by colour alone: a double frame inside the edge.
        RECT rcMark = m_rect;
        ::InflateRect(&rcMark, -2, -2);
        ::FrameRect(hDC, &rcMark, ::GetSysColorBrush(look.nText));
        ::InflateRect(&rcMark, -1, -1);
        ::FrameRect(hDC, &rcMark, ::GetSysColorBrush(look.nText));
    }
    RECT rcDraw = m_rectText;
    ::OffsetRect(&rcDraw, look.nOffset, look.nOffset);
    SelectLabelFont(hDC, paint);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ::GetSysColor(look.nText));
    DrawLabel(hDC, rcDraw);
    RECT rcEdge = m_rect;
    ::DrawEdge(hDC, &rcEdge, (UINT)look.nEdge, BF_RECT);
}

void CKeyCap::Draw(HDC hDC, const CCapPaint& paint) const
{
    // A high-contrast theme asks for the system's colours; outside it the
    // caps keep their own.
    if (paint.bContrast)
    {
        DrawInContrast(hDC, paint);
        return;
    }
    CKeyCapLook look = CKeyCapState::GetLook(m_nState, IsOnRemapBoard(), IsRemapped(),
                                             paint.nButtonTextType);
    RECT rcDraw = m_rectText;
    ::OffsetRect(&rcDraw, look.nOffset, look.nOffset);
    SelectLabelFont(hDC, paint);
    // What the cap before may have left: the mode the paint began with.
    ::SetBkMode(hDC, look.bStyleCopy ? TRANSPARENT : paint.nBkMode);
    if (look.bStyleCopy)
    {
        ::SetTextColor(hDC, RGB(255, 255, 255));
        RECT rcCopy = rcDraw;
        ::OffsetRect(&rcCopy, look.nStyleShift, look.nStyleShift);
        DrawLabel(hDC, rcCopy);
    }
    ::SetTextColor(hDC, look.crText);
    DrawLabel(hDC, rcDraw);
    RECT rcEdge = m_rect;
    ::DrawEdge(hDC, &rcEdge, (UINT)look.nEdge, BF_RECT);
}

void CKeyCap::RecreateKeyFont(const LOGFONTA& lf)
{
    if (g_keyFont != NULL)
        ::DeleteObject(g_keyFont);
    g_keyFont = ::CreateFontIndirectA(&lf);
}
