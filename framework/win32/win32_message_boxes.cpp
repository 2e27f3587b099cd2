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

namespace
{
// When the system will not say: a line's height, and the lines a screen holds.
const int DEFAULT_LINE_HEIGHT = 16;
const int DEFAULT_MAX_LINES = 40;
// The caption, the frame, the margins and the button row take about six
// lines' worth; a wrapped line may take one more.
const int CHROME_LINES = 6;
} // namespace

int CWin32MessageBoxSink::MaxLinesOnScreen(HWND hOwner)
{
    NONCLIENTMETRICSA ncm;
    ZeroMemory(&ncm, sizeof ncm);
    ncm.cbSize = sizeof ncm;
    int cyLine = DEFAULT_LINE_HEIGHT;
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
        return DEFAULT_MAX_LINES;
    int cyWork = mi.rcWork.bottom - mi.rcWork.top;
    int cyChrome = ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFIXEDFRAME) + CHROME_LINES * cyLine;
    return (cyWork - cyChrome) / cyLine;
}
