// Text measuring with GDI for fitting key labels: the key font is the one
// selected into the device context; wrapped text is measured with DrawTextA.
#pragma once

#include "platform/text_measure.h"

class CWin32TextMeasure : public ITextMeasure
{
public:
    // hDC has the key font selected.
    explicit CWin32TextMeasure(HDC hDC) : m_hDC(hDC) {}

    CTextExtent GetKeyFontExtent(const std::string& strText) override;
    CTextExtent GetWrappedExtent(const CFontRecord& record, const std::string& strText,
                                 int nWidth) override;

private:
    HDC m_hDC;
};
