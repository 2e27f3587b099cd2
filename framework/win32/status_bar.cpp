#include "framework/win32/status_bar.h"

#include <commctrl.h>

#include "framework/afx_message_box.h"
#include "framework/dpi_scale.h"
#include "framework/win32/window_dpi.h"

namespace
{
int KeyOfIndicator(UINT nID)
{
    switch (nID)
    {
    case 59137: return VK_CAPITAL;
    case 59138: return VK_NUMLOCK;
    case 59139: return VK_SCROLL;
    default: return 0;
    }
}
} // namespace

CStatusBar::~CStatusBar()
{
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
}

BOOL CStatusBar::Create(HWND hParent, UINT nID)
{
    // The control takes the system's status font, drawn at the system's DPI.
    m_nDpi = CWindowDpi::ForSystem();
    m_hWnd = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0,
                               0, 0, hParent, (HMENU)(UINT_PTR)nID, ::GetModuleHandleA(NULL), NULL);
    return m_hWnd != NULL;
}

BOOL CStatusBar::SetIndicators(const UINT* pIDs, int nCount)
{
    m_ids.assign(pIDs, pIDs + nCount);
    m_texts.assign(nCount, std::string());
    for (int i = 0; i < nCount; ++i)
        if (pIDs[i] != 0)
            m_texts[i] = AfxLoadString(pIDs[i]);
    Layout();
    UpdateIndicators();
    return TRUE;
}

void CStatusBar::Layout()
{
    if (m_hWnd == NULL || m_ids.empty())
        return;
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    HDC hdc = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hdc, (HGDIOBJ)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    std::vector<int> edges(m_ids.size());
    int x = rc.right;
    for (size_t i = m_ids.size(); i-- > 1;)
    {
        edges[i] = x;
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(hdc, m_texts[i].c_str(), (int)m_texts[i].size(), &size);
        x -= size.cx + CDpiScale::Scale(12, (int)m_nDpi, CDpiScale::BASE_DPI);
    }
    edges[0] = x;
    edges.back() = -1;
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(m_hWnd, hdc);
    ::SendMessageA(m_hWnd, SB_SETPARTS, (WPARAM)edges.size(), (LPARAM)edges.data());
}

void CStatusBar::SetDpi(UINT nDpi)
{
    if (m_hWnd == NULL || nDpi == m_nDpi)
        return;
    LOGFONTA lf;
    if (!CWindowDpi::GetStatusFont(&lf, nDpi))
        return;
    HFONT hFont = ::CreateFontIndirectA(&lf);
    if (hFont == NULL)
        return;
    m_nDpi = nDpi;
    // The control sets its height by its font: told the size again, it takes it.
    ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)hFont, TRUE);
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
    m_hFont = hFont;
    ::SendMessageA(m_hWnd, WM_SIZE, 0, 0);
    Layout();
}

void CStatusBar::SetPaneText(int nIndex, const std::string& strText)
{
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, SB_SETTEXTA, (WPARAM)nIndex, (LPARAM)strText.c_str());
}

std::string CStatusBar::GetPaneText(int nIndex) const
{
    char szText[512] = "";
    if (m_hWnd != NULL)
    {
        LRESULT lLen = ::SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, (WPARAM)nIndex, 0);
        if (LOWORD(lLen) < sizeof szText)
            ::SendMessageA(m_hWnd, SB_GETTEXTA, (WPARAM)nIndex, (LPARAM)szText);
    }
    return szText;
}

void CStatusBar::UpdateIndicators()
{
    for (size_t i = 1; i < m_ids.size(); ++i)
    {
        int nKey = KeyOfIndicator(m_ids[i]);
        BOOL bOn = nKey != 0 && (::GetKeyState(nKey) & 1) != 0;
        std::string strWanted = bOn ? m_texts[i] : std::string();
        if (GetPaneText((int)i) != strWanted)
            SetPaneText((int)i, strWanted);
    }
}

int CStatusBar::GetHeight() const
{
    if (m_hWnd == NULL)
        return 0;
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    return rc.bottom - rc.top;
}
