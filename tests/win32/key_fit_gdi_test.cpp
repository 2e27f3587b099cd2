// Fitting key names with real GDI metrics (under Wine): where a name lands
// after shrinking, measured by the text engine the program draws with.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "view/key_fit.h"
#include "platform/win32/win32_text_measure.h"
#include "model/key_name_alias.h"
#include "tests/win32/keyboard_view_fixture.h"

TEST(KeyFitWithGdi, ShrunkNames_OnOneLineAreCentred_WrappedOnesStayLeftAndCentredAsABlock)
{
    LOGFONTA lfKey = {};
    lfKey.lfHeight = -11;
    lstrcpyA(lfKey.lfFaceName, "Tahoma");
    HDC hDC = ::CreateCompatibleDC(NULL);
    HFONT hKeyFont = ::CreateFontIndirectA(&lfKey);
    HGDIOBJ hOld = ::SelectObject(hDC, hKeyFont);
    CWin32TextMeasure measure(hDC);
    CKeyFit fit(measure);

    const UINT ONE_CENTRED_LINE =
        CKeyFit::FIT_FORMAT | DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    struct
    {
        const char* pszLabel;
        RECT rcCap;
        UINT nFormat;
        BOOL bMovedDown; // a wrapped block is centred by moving its top
    } cases[] = {
        {"Convert", {0, 0, 30, 21}, ONE_CENTRED_LINE, FALSE},   // no space
        {"Num Lock", {0, 0, 40, 14}, ONE_CENTRED_LINE, FALSE},  // a space, yet one line
        {"Page Down", {0, 0, 30, 34}, CKeyFit::FIT_FORMAT, TRUE}, // two lines at the space
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszLabel);
        // Too wide for the cap in the key font: it has to shrink.
        SIZE size = {};
        ::GetTextExtentPointA(hDC, c.pszLabel, lstrlenA(c.pszLabel), &size);
        ASSERT_GE(size.cx, c.rcCap.right - c.rcCap.left - 2);
        CKeyFitResult result = fit.Fit(c.rcCap, c.pszLabel, lfKey, FALSE, 1);
        ASSERT_NE('\0', result.lfFit.lfFaceName[0]); // a fitted font was found
        EXPECT_LT(lfKey.lfHeight, result.lfFit.lfHeight);
        EXPECT_EQ(c.nFormat, result.nDrawFormat);
        EXPECT_EQ(c.bMovedDown, result.rectText.top > c.rcCap.top + CKeyFit::TEXT_MARGIN);
    }
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hKeyFont);
    ::DeleteDC(hDC);
}

namespace
{
// Every label in a fitted font, laid out with the format its cap chose (the
// same fitting gives it back), lies within the cap's text rectangle.
class KeyFitDrawn : public KeyboardViewFixture
{
protected:
    void ExpectFittedLabelsDrawnInside()
    {
        HDC hDC = ::GetDC(ViewWindow());
        HGDIOBJ hOld = ::SelectObject(hDC, CKeyCap::GetKeyFont());
        CWin32TextMeasure measure(hDC);
        for (CWordHashMap<CKeyCap*>* pMap : {&g_baseCapMap, &g_remapCapMap})
            for (auto pos = pMap->GetStartPosition(); pos != nullptr;)
            {
                WORD wKey;
                CKeyCap* pCap;
                pMap->GetNextAssoc(pos, wKey, pCap);
                CKeyFitResult fit = CKeyFit(measure).Fit(pCap->GetRect(), Label(pCap), KeyFont(), FALSE, 1);
                if (fit.lfFit.lfFaceName[0] == '\0' || fit.lfFit.lfCharSet == SYMBOL_CHARSET)
                    continue;
                std::string strLabel = Label(pCap);
                ApplyKeyNameAlias(strLabel); // as drawn: "Num Enter" is "Enter"
                HGDIOBJ hKey = ::SelectObject(hDC, ::CreateFontIndirectA(&pCap->GetFitFont()));
                RECT rcText = pCap->GetTextRect(), rcDrawn = rcText;
                ::DrawTextA(hDC, strLabel.c_str(), -1, &rcDrawn, fit.nDrawFormat | DT_CALCRECT);
                ::DeleteObject(::SelectObject(hDC, hKey));
                EXPECT_LE(rcDrawn.right - rcDrawn.left, rcText.right - rcText.left) << strLabel;
                EXPECT_LE(rcDrawn.bottom - rcDrawn.top, rcText.bottom - rcText.top) << strLabel;
            }
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(ViewWindow(), hDC);
    }
};

class KeyFitDrawnJapanese : public KeyFitDrawn
{
};
} // namespace

TEST_F(KeyFitDrawn, FittedLabels_AreDrawnWithinTheirTextRectangles_OnBothLayouts)
{
    StartWithList({});
    ExpectFittedLabelsDrawnInside();
    StartWithList({}, {"-6"});
    ExpectFittedLabelsDrawnInside();
}

TEST_F(KeyFitDrawnJapanese, FittedNamesWithoutASpace_AreDrawnOnTheOneLineTheyWereMeasuredOn)
{
    StartWithList({});
    ExpectFittedLabelsDrawnInside();
    m_keyboard = CFakeKeyboard(CFakeKeyboard::JAPANESE_106);
    StartWithList({});
    ExpectFittedLabelsDrawnInside();
}
