// Fitting key names with real GDI metrics (under Wine): where a name lands
// after shrinking, measured by the text engine the program draws with.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "view/key_fit.h"
#include "platform/win32/win32_text_measure.h"

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
