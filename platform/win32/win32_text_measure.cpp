#include "platform/win32/win32_text_measure.h"

CTextExtent CWin32TextMeasure::GetKeyFontExtent(const std::string& strText)
{
    SIZE size = {0, 0};
    ::GetTextExtentPointA(m_hDC, strText.c_str(), (int)strText.size(), &size);
    return CTextExtent{(int)size.cx, (int)size.cy};
}

CTextExtent CWin32TextMeasure::GetWrappedExtent(const CFontRecord& record,
                                                const std::string& strText, int nWidth)
{
    CTextExtent extent = {0, 0};
    HFONT hFont = ::CreateFontIndirectA(&record);
    if (hFont == NULL)
        return CTextExtent{nWidth + 1, 0}; // no font, no fit
    HGDIOBJ hOld = ::SelectObject(m_hDC, hFont);
    RECT rc = {0, 0, nWidth, 0};
    // Lines break at spaces only: DrawText would also break a Japanese name
    // between two of its characters, yet a name without a space is drawn on
    // one line, and so is measured on one.
    UINT nBreak = strText.find(' ') == std::string::npos ? DT_SINGLELINE : DT_WORDBREAK;
    int cyText = ::DrawTextA(m_hDC, strText.c_str(), (int)strText.size(), &rc,
                             DT_CALCRECT | nBreak | DT_NOPREFIX);
    extent.cx = rc.right - rc.left;
    extent.cy = cyText;
    ::SelectObject(m_hDC, hOld);
    ::DeleteObject(hFont);
    return extent;
}
