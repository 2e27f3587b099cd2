// The keyboard view as it stands: caps placed from the form, what they paint,
// tool tips, and the view's life across new documents and across starts in
// one process.
#include "tests/win32/keyboard_view_fixture.h"

#include <commctrl.h>

#include "framework/win32/frame_wnd.h"
#include "model/key_table.h"
#include "model/velloric_doc.h"
#include "res/resource.h"
#include "tests/win32/key_layout_rects.h"
#include "tests/win32/win32_test_support.h"

namespace
{
class KeyboardViewDisplay : public KeyboardViewFixture
{
protected:
    std::string ToolText(int nID) const
    {
        char szText[256] = "";
        TOOLINFOA ti;
        ZeroMemory(&ti, sizeof ti);
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.hwnd = ViewWindow();
        ti.uId = (UINT_PTR)nID;
        ti.lpszText = szText;
        ::SendMessageA(View()->GetToolTip(), TTM_GETTEXTA, sizeof szText, (LPARAM)&ti);
        return szText;
    }

    int ToolCount() const { return (int)::SendMessageA(View()->GetToolTip(), TTM_GETTOOLCOUNT, 0, 0); }
};

class KeyboardViewJapanese : public KeyboardViewFixture
{
};

} // namespace

TEST_F(KeyboardViewDisplay, Caps_StandWhereTheFormButtonsStood_AndTheButtonsAreGone)
{
    StartWithList({});
    EXPECT_EQ(101, g_baseCapMap.GetCount());
    EXPECT_EQ(101, g_remapCapMap.GetCount());
    EXPECT_EQ((UINT)CKeyTable::FORM_101, View()->GetTemplateID());
    HWND hView = ViewWindow();
    for (const CKeyLayoutRects& key : kKeyLayoutRects)
    {
        if (key.r101[2] == 0)
            continue;
        SCOPED_TRACE(key.nKeyId);
        // Position and size convert separately, as the dialog manager does.
        RECT rcUnits = {key.r101[0], key.r101[1], key.r101[2], key.r101[3]};
        ::MapDialogRect(hView, &rcUnits);
        RECT rc = {rcUnits.left, rcUnits.top, rcUnits.left + rcUnits.right,
                   rcUnits.top + rcUnits.bottom};
        CKeyCap* pBase = Base((WORD)key.nKeyId);
        ASSERT_NE(nullptr, pBase);
        EXPECT_EQ(rc.left, pBase->GetRect().left);
        EXPECT_EQ(rc.top, pBase->GetRect().top);
        EXPECT_EQ(rc.right, pBase->GetRect().right);
        EXPECT_EQ(rc.bottom, pBase->GetRect().bottom);
        CKeyCap* pTwin = Remap(pBase->GetScancode());
        ASSERT_NE(nullptr, pTwin);
        EXPECT_EQ(key.nKeyId + 2000, pTwin->GetID());
        EXPECT_EQ(rc.left, pTwin->GetRect().left);
        EXPECT_EQ(rc.right - rc.left, pTwin->GetRect().right - pTwin->GetRect().left);
        EXPECT_LT(rc.bottom, pTwin->GetRect().top);
        EXPECT_EQ(HWND(NULL), ::GetDlgItem(hView, key.nKeyId));
        EXPECT_EQ(HWND(NULL), ::GetDlgItem(hView, key.nKeyId + 2000));
    }
    // Print Screen's buttons make no key and stay, hidden.
    EXPECT_NE(HWND(NULL), ::GetDlgItem(hView, IDC_KEY_PRINT_SCREEN));
    EXPECT_EQ(FALSE, ::IsWindowVisible(::GetDlgItem(hView, IDC_KEY_PRINT_SCREEN + 2000)));
}

TEST_F(KeyboardViewDisplay, DummyButtonMovedAway_StatusTextHidden)
{
    StartWithList({});
    HWND hDummy = ::GetDlgItem(ViewWindow(), IDC_FORM_DUMMY);
    ASSERT_NE(HWND(NULL), hDummy);
    RECT rc;
    ::GetWindowRect(hDummy, &rc);
    ::MapWindowPoints(NULL, ViewWindow(), (POINT*)&rc, 2);
    EXPECT_EQ(-1, rc.left);
    EXPECT_EQ(-1, rc.top);
    EXPECT_EQ(0, rc.right - rc.left);
    EXPECT_EQ(0, rc.bottom - rc.top);
    EXPECT_EQ(FALSE, ::IsWindowVisible(::GetDlgItem(ViewWindow(), IDC_FORM_STATUS)));
}

TEST_F(KeyboardViewDisplay, Force106_UsesForm132_WithTheFive106Keys)
{
    StartWithList({}, {"-6"});
    EXPECT_EQ((UINT)CKeyTable::FORM_106, View()->GetTemplateID());
    EXPECT_EQ(106, g_baseCapMap.GetCount());
    EXPECT_EQ(106, g_remapCapMap.GetCount());
    for (WORD wScancode : {0x70, 0x73, 0x79, 0x7B, 0x7D})
    {
        ASSERT_NE(nullptr, Remap(wScancode)) << wScancode;
        EXPECT_FALSE(::IsRectEmpty(&Remap(wScancode)->GetRect())) << wScancode;
    }
}

TEST_F(KeyboardViewDisplay, KeyFont_IsOnePixelSmallerThanTheFormFont)
{
    StartWithList({});
    LOGFONTA lfForm;
    ::GetObjectA((HFONT)::SendMessageA(ViewWindow(), WM_GETFONT, 0, 0), sizeof lfForm, &lfForm);
    ASSERT_LT(lfForm.lfHeight, -2);
    EXPECT_EQ(lfForm.lfHeight + 1, KeyFont().lfHeight);
    EXPECT_STREQ(lfForm.lfFaceName, KeyFont().lfFaceName);
}

TEST_F(KeyboardViewDisplay, RegistryList_RemappedKeyRedAndRaised_UnmappedEtched_BaseRaised)
{
    StartWithList({{SC_CAPS, 0x1D}});
    CKeyCap* pCaps = Remap(SC_CAPS);
    CKeyCap* pB = Remap(SC_B);
    EXPECT_EQ("Ctrl", Label(pCaps));
    CViewImage image(ViewWindow());
    EXPECT_LT(0, image.Count(pCaps->GetRect(), RGB(255, 0, 0)));
    EXPECT_EQ(0, image.Count(pB->GetRect(), RGB(255, 0, 0)));
    EXPECT_LT(0, image.Count(pB->GetRect(), RGB(0, 0, 0))); // black label
    ASSERT_NE(::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DLIGHT));
    int yB = (pB->GetRect().top + pB->GetRect().bottom) / 2;
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), image.At(pB->GetRect().left, yB));   // etched
    EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), image.At(pB->GetRect().left + 1, yB));
    int yCaps = (pCaps->GetRect().top + pCaps->GetRect().bottom) / 2;
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), image.At(pCaps->GetRect().left, yCaps)); // raised
    CKeyCap* pBaseB = Base(ID_B);
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT),
              image.At(pBaseB->GetRect().left, (pBaseB->GetRect().top + pBaseB->GetRect().bottom) / 2));
}

TEST_F(KeyboardViewDisplay, ProducedCodeOffTheKeyboard_ShowsTheCatalogueKeyOrOwnNameInRed)
{
    // Scroll Lock has no key here but is in the catalogue; 0x77 is no known key.
    StartWithList({{SC_B, 0x77}, {SC_N, 0x46}});
    CKeyCap* pB = Remap(SC_B);
    EXPECT_EQ(TRUE, pB->IsRemapped());
    EXPECT_EQ(" B ", Label(pB));
    EXPECT_EQ("Scroll Lock", Label(Remap(SC_N)));
    CViewImage image(ViewWindow());
    EXPECT_LT(0, image.Count(pB->GetRect(), RGB(255, 0, 0)));
}

TEST_F(KeyboardViewDisplay, KeyRemappedToLeft_TakesTheArrowSymbolFont)
{
    StartWithList({{SC_B, SC_LEFT}});
    CKeyCap* pB = Remap(SC_B);
    EXPECT_EQ("Left", Label(pB));
    EXPECT_STREQ("Wingdings", pB->GetFitFont().lfFaceName);
    EXPECT_EQ(SYMBOL_CHARSET, pB->GetFitFont().lfCharSet);
    EXPECT_EQ(2 - (pB->GetTextRect().bottom - pB->GetTextRect().top), pB->GetFitFont().lfHeight);
}

TEST_F(KeyboardViewDisplay, DebugOption_NoFittedFonts_ArrowsStayText_KeypadDigitsStaySymbols)
{
    StartWithList({}, {"-d"});
    EXPECT_EQ(0, FittedCapCount());
    EXPECT_EQ('\0', Remap(SC_LEFT)->GetFitFont().lfFaceName[0]);
    EXPECT_STREQ("Wingdings", Remap(0x47)->GetFitFont().lfFaceName);
    EXPECT_EQ("Num 7 0047 0047", Label(Remap(0x47)));
}

TEST_F(KeyboardViewDisplay, ToolTips_OnePerCap_ShowingTheCurrentLabel)
{
    StartWithList({});
    EXPECT_EQ(202, ToolCount());
    EXPECT_EQ(" B ", ToolText(ID_B + 2000));
    Drag(Base(ID_A), Remap(SC_B));
    EXPECT_EQ(" A ", ToolText(ID_B + 2000));
    EXPECT_EQ(202, ToolCount());
    EXPECT_EQ("Caps Lock", ToolText(ID_CAPS));
}

TEST_F(KeyboardViewDisplay, ToolTip_ComesUpWithTheKeysLabel_WhenTheMouseRestsOnAKey)
{
    StartWithList({});
    HWND hTip = View()->GetToolTip();
    ::SendMessageA(hTip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    ::SetActiveWindow(MainWindow());
    POINT pt = Centre(Base(ID_CAPS));
    POINT ptScreen = pt;
    ::ClientToScreen(ViewWindow(), &ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    // The mouse move takes the message loop's road: the frame's
    // PreTranslateMessage, then the view's window procedure.
    MSG msg = {ViewWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y), ::GetTickCount(), ptScreen};
    if (!m_pApp->m_pMainWnd->PreTranslateMessage(&msg))
        ::DispatchMessageA(&msg);
    wintest::WaitUntil([hTip] { return ::IsWindowVisible(hTip); });
    EXPECT_EQ(TRUE, ::IsWindowVisible(hTip));
    char szText[256] = "";
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.lpszText = szText;
    ASSERT_EQ(TRUE, (BOOL)::SendMessageA(hTip, TTM_GETCURRENTTOOLA, 0, (LPARAM)&ti));
    EXPECT_EQ(ID_CAPS, (int)ti.uId);
    EXPECT_STREQ("Caps Lock", szText);
}

TEST_F(KeyboardViewDisplay, InputLanguageChange_RelaysAndRefreshesToolTips)
{
    StartWithList({});
    m_keyboard.SetName(0x03A, "Left");
    ::SendMessageA(ViewWindow(), WM_INPUTLANGCHANGE, 0, 0);
    EXPECT_EQ("Left", ToolText(ID_CAPS));
    EXPECT_STREQ("Wingdings", Base(ID_CAPS)->GetFitFont().lfFaceName);
}

TEST_F(KeyboardViewDisplay, RemoveAll_ReusesTheViewAndCaps_AndClearsEveryRemappedKey)
{
    StartWithList({{SC_CAPS, 0x1D}, {SC_B, SC_B}}); // B mapped to its own code
    CKeyCap* pCaps = Remap(SC_CAPS);
    RECT rcBefore = pCaps->GetRect();
    ASSERT_EQ(TRUE, Remap(SC_B)->IsRemapped());
    m_boxes.Answer({IDYES});
    Command(ID_EDIT_REMOVE_ALL);
    EXPECT_EQ("", List());
    EXPECT_EQ(pCaps, Remap(SC_CAPS));
    EXPECT_EQ(TRUE, ::EqualRect(&rcBefore, &pCaps->GetRect()));
    EXPECT_EQ(FALSE, pCaps->IsRemapped());
    EXPECT_EQ(FALSE, Remap(SC_B)->IsRemapped());
    EXPECT_EQ(202, ToolCount());
}

TEST_F(KeyboardViewDisplay, Restore_ShowsTheRegistryListAgain)
{
    StartWithList({{SC_CAPS, 0x1D}});
    Drag(Base(ID_A), Remap(SC_B));
    Press(Centre(Remap(SC_CAPS)));
    Release(Centre(Remap(SC_CAPS)));
    ASSERT_EQ("0030:001E", List());
    m_boxes.Answer({IDYES});
    Command(ID_EDIT_RESTORE);
    EXPECT_EQ("003A:001D", List());
    EXPECT_EQ(FALSE, Remap(SC_B)->IsRemapped());
    EXPECT_EQ(0x1D, Remap(SC_CAPS)->GetProduced());
    EXPECT_EQ("Ctrl", Label(Remap(SC_CAPS)));
}

TEST_F(KeyboardViewDisplay, RemappedKeys_GoToTheLostKeyCheckInTableOrder)
{
    StartWithList({{SC_B, SC_A}});
    std::vector<CRemappedKey> keys;
    View()->GetRemappedKeys(&keys);
    ASSERT_EQ(101u, keys.size());
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (size_t i = 0; i < keys.size(); ++i)
    {
        EXPECT_EQ(pEntries[i].wTableCode, keys[i].wTableCode) << i;
        EXPECT_EQ(ScancodeFromTableCode(pEntries[i].wTableCode), keys[i].wScancode) << i;
        EXPECT_EQ(keys[i].wScancode == SC_B ? SC_A : 0, keys[i].wProduced) << i;
    }
}

TEST_F(KeyboardViewDisplay, CheckIntegrity_SeesTheDraggedMapping)
{
    StartWithList({});
    Drag(Base(ID_CAPS), Remap(0x1D)); // left Ctrl now sends Caps Lock: Ctrl is lost
    m_boxes.Answer({IDOK});
    Command(ID_EDIT_CHECK_INTEGRITY);
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_NE(std::string::npos, m_boxes.m_shown[0].strText.find("\"Ctrl\""));
    EXPECT_EQ((UINT)MB_ICONHAND, m_boxes.m_shown[0].nType & MB_ICONMASK);
}

TEST_F(KeyboardViewDisplay, SecondStartInTheSameProcess_GetsFreshCapsOnItsOwnForm)
{
    StartWithList({{SC_B, SC_A}});
    Stop();
    EXPECT_EQ(nullptr, g_pKeyboardView);
    EXPECT_EQ(0, g_baseCapMap.GetCount());
    EXPECT_EQ(HFONT(NULL), g_keyFont);
    ASSERT_EQ(TRUE, Start({}));
    EXPECT_EQ(View(), g_pKeyboardView);
    EXPECT_EQ(101, g_remapCapMap.GetCount());
    EXPECT_EQ(SC_A, Remap(SC_B)->GetProduced());
    EXPECT_EQ(HWND(NULL), ::GetDlgItem(ViewWindow(), ID_A));
    EXPECT_FALSE(::IsRectEmpty(&Base(ID_A)->GetRect()));
    Drag(Base(ID_A), Remap(SC_N));
    EXPECT_EQ("0031:001E 0030:001E", List());
    EXPECT_EQ(202, (int)::SendMessageA(View()->GetToolTip(), TTM_GETTOOLCOUNT, 0, 0));
}

TEST_F(KeyboardViewJapanese, JapaneseKeyboard_Uses106Form_AndShowsJapaneseNames)
{
    m_keyboard = CFakeKeyboard(CFakeKeyboard::JAPANESE_106);
    StartWithList({{0x3A, 0x70}}); // Caps Lock sends Kana
    EXPECT_EQ((UINT)CKeyTable::FORM_106, View()->GetTemplateID());
    EXPECT_EQ(106, g_remapCapMap.GetCount());
    EXPECT_EQ(m_keyboard.NameOf(0x070), Label(Remap(0x3A)));
    Move(Centre(Remap(0x70)), 0);
    EXPECT_EQ(m_keyboard.NameOf(0x070), StatusText());
    Drag(Base(1013), Remap(0x7B)); // Kana onto No-convert
    EXPECT_EQ(0x70, Remap(0x7B)->GetProduced());
}

// The form is a dialog: the view's answers go back through the dialog
// manager, what the view leaves is the dialog manager's, and the focus cue
// comes and goes with the focus.
TEST_F(KeyboardViewDisplay, Form_AnswersThroughTheDialogManager_AndTheCueFollowsTheFocus)
{
    StartWithList({});
    HWND hView = ViewWindow();
    EXPECT_EQ((LRESULT)(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS),
              ::SendMessageA(hView, WM_GETDLGCODE, 0, 0));
    EXPECT_NE((LRESULT)0, ::SendMessageA(hView, WM_GETFONT, 0, 0));

    RECT rcCue = View()->GetFocusKey()->GetRect();
    ::InflateRect(&rcCue, -3, -3);
    auto CueDots = [&rcCue](const CViewImage& image, const CViewImage& other) {
        int nDiffer = 0;
        for (int x = rcCue.left; x < rcCue.right; ++x)
            nDiffer += image.At(x, rcCue.top) != other.At(x, rcCue.top) ? 1 : 0;
        return nDiffer;
    };
    ::SetFocus(hView);
    CViewImage focused(hView);
    ::SetFocus(NULL);
    CViewImage unfocused(hView);
    ::SetFocus(hView);
    CViewImage focusedAgain(hView);
    EXPECT_EQ((rcCue.right - rcCue.left) / 2, CueDots(focused, unfocused)); // a dotted line
    EXPECT_EQ(0, CueDots(focused, focusedAgain));
}
