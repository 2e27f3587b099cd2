// Fitting key names with real GDI metrics (under Wine): where a name lands
// after shrinking, measured by the text engine the program draws with; and
// the window whole at the screen's DPI and after a change of DPI.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include <commctrl.h>

#include "framework/dpi_scale.h"
#include "framework/win32/frame_wnd.h"
#include "framework/win32/window_dpi.h"
#include "view/key_fit.h"
#include "platform/win32/win32_text_measure.h"
#include "model/key_name_alias.h"
#include "tests/win32/keyboard_view_fixture.h"
#include "tests/support/frame_test_access.h"

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

namespace
{
// The window at the screen's DPI (the suite also runs with LogPixels at 120,
// 144 and 192) and after WM_DPICHANGED: whole, and every label fitted.
class ScreenDpi : public KeyFitDrawn
{
protected:
    CFrameWnd* Frame() { return m_pApp->m_pMainWnd; }
    static RECT InParent(HWND hWnd)
    {
        RECT rc;
        ::GetWindowRect(hWnd, &rc);
        ::MapWindowPoints(NULL, ::GetParent(hWnd), (POINT*)&rc, 2);
        return rc;
    }
    static BOOL Inside(const RECT& rcInner, const RECT& rcOuter)
    {
        RECT rcBoth;
        return ::IntersectRect(&rcBoth, &rcInner, &rcOuter) && ::EqualRect(&rcBoth, &rcInner);
    }
    static BOOL Apart(const RECT& rcA, const RECT& rcB)
    {
        RECT rcBoth;
        return !::IntersectRect(&rcBoth, &rcA, &rcB);
    }
    int Height(HWND hWnd)
    {
        RECT rc;
        ::GetWindowRect(hWnd, &rc);
        return rc.bottom - rc.top;
    }
    // Tool bar, form and status bar each whole in the frame's client area, apart;
    // every visible control whole in the form, every cap in its keyboard's group.
    // A screen too small for the window at this DPI (Wine's is 1024 x 768, so
    // 192 DPI) cannot show it whole: then the form is checked at its own size.
    void ExpectWhole()
    {
        RECT rcClient, rcForm = {0, 0, View()->GetFormSize().cx, View()->GetFormSize().cy};
        RECT rcShown;
        ::GetClientRect(ViewWindow(), &rcShown);
        if (!::EqualRect(&rcShown, &rcForm))
        {
            RECT rcWindow;
            ::GetWindowRect(MainWindow(), &rcWindow);
            EXPECT_LE(::GetSystemMetrics(SM_CYSCREEN), rcWindow.bottom - rcWindow.top + 64);
        }
        ::GetClientRect(MainWindow(), &rcClient);
        RECT rcView = InParent(ViewWindow());
        RECT rcDock = InParent(Frame()->GetDockContext().GetDockBarWindow());
        RECT rcStatus = InParent(CFrameTestAccess::StatusBar(*Frame()).m_hWnd);
        EXPECT_EQ(TRUE, Inside(rcView, rcClient));
        EXPECT_EQ(TRUE, Inside(rcDock, rcClient));
        EXPECT_EQ(TRUE, Inside(rcStatus, rcClient));
        EXPECT_EQ(TRUE, Apart(rcView, rcDock) && Apart(rcView, rcStatus) && Apart(rcDock, rcStatus));
        RECT rcButton;
        ::SendMessageA(Frame()->m_wndToolBar.m_hWnd, TB_GETITEMRECT, 0, (LPARAM)&rcButton);
        EXPECT_LE(CDpiScale::Scale(16, (int)View()->GetDpi(), 96), rcButton.right - rcButton.left);
        std::vector<RECT> groups; // the base keyboard's, then the remapped keyboard's
        for (HWND hChild = ::GetWindow(ViewWindow(), GW_CHILD); hChild != NULL;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            RECT rcChild = InParent(hChild); // one of no size shows nothing
            if (::IsWindowVisible(hChild) && !::IsRectEmpty(&rcChild))
            {
                EXPECT_EQ(TRUE, Inside(rcChild, rcForm)) << ::GetDlgCtrlID(hChild);
            }
            if ((::GetWindowLongA(hChild, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
                groups.push_back(rcChild);
        }
        ASSERT_EQ(2u, groups.size());
        std::vector<CKeyCap*> caps;
        CVelloricView::GetCapsInOrder(caps);
        for (CKeyCap* pCap : caps)
            EXPECT_EQ(TRUE, Inside(pCap->GetRect(), groups[pCap->IsOnRemapBoard() ? 1 : 0]))
                << Label(pCap);
        ExpectFittedLabelsDrawnInside();
    }
};
} // namespace

TEST_F(ScreenDpi, TheWindowIsWhole_AndEveryLabelFits_OnBothLayouts)
{
    HDC hScreen = ::GetDC(NULL);
    int nScreenDpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(NULL, hScreen);
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"-6"}})
    {
        StartWithList({}, args);
        SCOPED_TRACE(args.size());
        EXPECT_EQ((UINT)nScreenDpi, View()->GetDpi());
        EXPECT_EQ((UINT)nScreenDpi, Frame()->m_wndToolBar.GetDpi());
        ExpectWhole();
    }
}

TEST_F(ScreenDpi, DpiChanged_TakesTheSuggestedPlace_RescalesEverything_AndComesBackExactly)
{
    StartWithList({});
    UINT nOld = View()->GetDpi(), nNew = nOld * 3 / 2;
    RECT rcWindow, rcClient, rcEsc = Base(100)->GetRect();
    ::GetWindowRect(MainWindow(), &rcWindow);
    ::GetClientRect(MainWindow(), &rcClient);
    int cyTool = Height(Frame()->m_wndToolBar.m_hWnd), cyStatus = Height(CFrameTestAccess::StatusBar(*Frame()).m_hWnd);
    LONG lKeyFont = KeyFont().lfHeight;

    RECT rcSuggested = CDpiScale::ScaleRect(rcWindow, (int)nNew, (int)nOld);
    ::OffsetRect(&rcSuggested, rcWindow.left + 10 - rcSuggested.left, rcWindow.top + 20 - rcSuggested.top);
    ::SendMessageA(MainWindow(), WM_DPICHANGED, MAKEWPARAM(nNew, nNew), (LPARAM)&rcSuggested);
    RECT rcNow;
    ::GetWindowRect(MainWindow(), &rcNow);
    EXPECT_EQ(rcSuggested.left, rcNow.left);
    EXPECT_EQ(rcSuggested.top, rcNow.top);
    EXPECT_EQ(nNew, View()->GetDpi());
    EXPECT_LT(cyTool, Height(Frame()->m_wndToolBar.m_hWnd));
    EXPECT_LT(cyStatus, Height(CFrameTestAccess::StatusBar(*Frame()).m_hWnd));
    EXPECT_LT(-lKeyFont, -KeyFont().lfHeight);
    RECT rcEscScaled = CDpiScale::ScaleRect(rcEsc, (int)nNew, (int)nOld);
    EXPECT_EQ(TRUE, ::EqualRect(&rcEscScaled, &Base(100)->GetRect()));
    ExpectWhole();

    ::SendMessageA(MainWindow(), WM_DPICHANGED, MAKEWPARAM(nOld, nOld), (LPARAM)&rcWindow);
    RECT rcClientBack;
    ::GetClientRect(MainWindow(), &rcClientBack);
    EXPECT_EQ(TRUE, ::EqualRect(&rcClient, &rcClientBack));
    EXPECT_EQ(TRUE, ::EqualRect(&rcEsc, &Base(100)->GetRect()));
    EXPECT_EQ(lKeyFont, KeyFont().lfHeight);
    EXPECT_EQ(cyTool, Height(Frame()->m_wndToolBar.m_hWnd));
}
