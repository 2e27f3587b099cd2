// How a key label fits its cap: alignment, line breaking, and a smaller or a
// symbol font. Decided once per change of the label, its font or the fit
// preference; drawing only applies the result.
#pragma once

#include <string>

#include "model/key_name_alias.h"
#include "view/key_draw_types.h"
#include "platform/text_measure.h"

struct CKeyFitResult
{
    UINT nDrawFormat;   // DrawText format for the label
    CDrawRect rectText;  // where the label is drawn
    CFontRecord lfFit;  // the cap's own font; empty face: draw in the key font
};

class CKeyFit
{
public:
    enum
    {
        TEXT_MARGIN = 2,       // the text rectangle lies this far inside the cap
        SMALLEST_HEIGHT = -5,  // the smallest character height tried
        FIT_FORMAT = KEY_DT_WORDBREAK | KEY_DT_NOPREFIX,
        ONE_LINE_FORMAT = KEY_DT_SINGLELINE | KEY_DT_VCENTER | KEY_DT_NOPREFIX
    };

    explicit CKeyFit(ITextMeasure& measure);

    // Fits strLabel (the label before any alias) into a cap at rectCap whose
    // key font is keyFont. Under bDebug, or with nFitKeyname 0, a label that
    // is too wide stays left-aligned in the key font and is clipped.
    CKeyFitResult Fit(const CDrawRect& rectCap, const std::string& strLabel,
                      const CFontRecord& keyFont, BOOL bDebug, int nFitKeyname);

    // The key font of a form font: one pixel smaller in character height.
    static CFontRecord KeyFontFromFormFont(const CFontRecord& formFont);

private:
    BOOL Shrink(const std::string& strLabel, const CFontRecord& keyFont, CKeyFitResult& result);

    ITextMeasure& m_measure;
};
