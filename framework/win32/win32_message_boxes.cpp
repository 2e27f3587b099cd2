#include "framework/win32/win32_message_boxes.h"

#include <string>

#include "framework/afx_message_box.h"
#include "framework/message_lines.h"
#include "framework/win32/win_app.h"

int CWin32MessageBoxSink::Show(const char* pszText, const char* pszCaption, UINT nType)
{
    HWND hOwner = AfxGetModalOwner();
    std::string strText = pszText != nullptr ? pszText : "";
    // A box taller than the screen puts its buttons out of reach (a lost-key
    // report of a hundred keys): its first lines, and how many more.
    std::string strMore = m_nIDMoreLines != 0 ? AfxLoadString(m_nIDMoreLines) : std::string();
    if (!strMore.empty())
        strText = CMessageLines::Limit(strText, MaxLinesOnScreen(hOwner), strMore);
    return ::MessageBoxA(hOwner, strText.c_str(), pszCaption, nType);
}

int CWin32MessageBoxSink::MaxLinesOnScreen(HWND hOwner)
{
    NONCLIENTMETRICSA ncm;
    ZeroMemory(&ncm, sizeof ncm);
    ncm.cbSize = sizeof ncm;
    int cyLine = 16;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
    {
        HDC hDC = ::GetDC(NULL);
        HFONT hFont = ::CreateFontIndirectA(&ncm.lfMessageFont);
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        TEXTMETRICA tm;
        if (::GetTextMetricsA(hDC, &tm) && tm.tmHeight > 0)
            cyLine = tm.tmHeight;
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hFont);
        ::ReleaseDC(NULL, hDC);
    }
    MONITORINFO mi;
    mi.cbSize = sizeof mi;
    HMONITOR hMonitor = hOwner != NULL ? ::MonitorFromWindow(hOwner, MONITOR_DEFAULTTOPRIMARY)
                                       : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (!::GetMonitorInfoA(hMonitor, &mi))
        return 40;
    // The caption, the frame, the margins and the button row take about
    // six lines' worth; a wrapped line may take one more.
    int cyWork = mi.rcWork.bottom - mi.rcWork.top;
    int cyChrome = ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFIXEDFRAME) + 6 * cyLine;
    return (cyWork - cyChrome) / cyLine;
}

BOOL CWin32StringSource::Load(UINT nID, std::string* pstr)
{
    // A string table entry holds at most 4095 characters; two bytes each in a DBCS code page.
    char szBuffer[8192];
    int cch = ::LoadStringA(::GetModuleHandleA(NULL), nID, szBuffer, sizeof szBuffer);
    if (cch <= 0)
        return FALSE;
    pstr->assign(szBuffer, (size_t)cch);
    return TRUE;
}
