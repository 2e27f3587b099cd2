#include "view/key_fit.h"

#include <cstdlib>

CKeyFit::CKeyFit(ITextMeasure& measure) : m_measure(measure)
{
}

CFontRecord CKeyFit::KeyFontFromFormFont(const CFontRecord& formFont)
{
    CFontRecord record = formFont;
    // A positive height is a cell height, a negative one a character height.
    if (record.lfHeight > 2)
        record.lfHeight -= 2;
    else if (record.lfHeight < -2)
        record.lfHeight += 1;
    return record;
}

CKeyFitResult CKeyFit::Fit(const CDrawRect& rectCap, const std::string& strLabel,
                           const CFontRecord& keyFont, BOOL bDebug, int nFitKeyname)
{
    CKeyFitResult result;
    result.rectText = rectCap;
    result.rectText.left += TEXT_MARGIN;
    result.rectText.top += TEXT_MARGIN;
    result.rectText.right -= TEXT_MARGIN;
    result.rectText.bottom -= TEXT_MARGIN;
    result.nDrawFormat = ONE_LINE_FORMAT;
    EmptyFontRecord(result.lfFit);

    std::string strText = strLabel;
    const CKeyNameAlias* pAlias = ApplyKeyNameAlias(strText);
    if (pAlias != nullptr && !pAlias->m_strFace.empty())
    {
        CFontRecord record = keyFont;
        record.lfCharSet = KEY_SYMBOL_CHARSET;
        if (pAlias->IsSymbol())
            record.lfHeight = 2 - RectHeight(result.rectText);
        size_t cch = pAlias->m_strFace.copy(record.lfFaceName, sizeof record.lfFaceName - 1);
        record.lfFaceName[cch] = '\0';
        result.nDrawFormat |= KEY_DT_CENTER;
        result.lfFit = record;
        return result;
    }

    // Compared with the whole cap, not the text rectangle.
    CTextExtent extent = m_measure.GetKeyFontExtent(strText);
    if (extent.cx < RectWidth(rectCap) - 2)
    {
        result.nDrawFormat |= KEY_DT_CENTER;
        return result;
    }
    if (bDebug || nFitKeyname == 0)
        return result;
    if (keyFont.lfHeight > 0)
        return result;
    Shrink(strText, keyFont, result);
    return result;
}

BOOL CKeyFit::Shrink(const std::string& strLabel, const CFontRecord& keyFont,
                     CKeyFitResult& result)
{
    CFontRecord record = keyFont;
    const int cxText = RectWidth(result.rectText);
    const int cyText = RectHeight(result.rectText);
    int cyLines = 0;
    BOOL bFits = FALSE;
    // A character taller than the text rectangle never fits: start no higher,
    // so the work stays bounded by the cap whatever font the user stored.
    record.lfHeight += 1;
    if (record.lfHeight < -cyText)
        record.lfHeight = -cyText;
    for (; record.lfHeight <= SMALLEST_HEIGHT; record.lfHeight += 1)
    {
        CTextExtent extent = m_measure.GetWrappedExtent(record, strLabel, cxText);
        cyLines = extent.cy;
        if (extent.cy <= cyText && extent.cx <= cxText)
        {
            bFits = TRUE;
            break;
        }
    }
    if (!bFits)
        return FALSE;

    result.nDrawFormat = FIT_FORMAT;
    result.lfFit = record;
    if (cyLines < 2 * std::abs((int)record.lfHeight) || strLabel.find(' ') == std::string::npos)
        result.nDrawFormat |= KEY_DT_CENTER | KEY_DT_VCENTER | KEY_DT_SINGLELINE;
    else
        result.rectText.top += (cyText - cyLines) / 2; // several lines: centred as a block
    return TRUE;
}
