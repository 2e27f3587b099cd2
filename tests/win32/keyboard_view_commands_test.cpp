// The display commands of the keyboard view: key-name style, fitting and
// font, each kept in the preferences at once, with their menu check marks.
#include "tests/win32/keyboard_view_fixture.h"

#include <cstring>

#include "res/resource.h"
#include "tests/win32/win32_test_support.h"
#include "view/win32/key_font_dialog.h"

namespace
{
class KeyboardViewCommands : public KeyboardViewFixture
{
protected:
    ~KeyboardViewCommands() override { g_pfnChooseFont = &::ChooseFontA; }

    // Where the preferences live, known before the application starts.
    std::string StoredPreferenceKey() const
    {
        return "HKCU\\Software\\Ostrelwick\\" + wintest::LoadResourceString(IDS_APP_TITLE) +
               "\\Preference";
    }
};

// The font dialog's stand-in: records what it was given, answers as told.
struct CFontDialogScript
{
    static BOOL s_bAnswerOk;
    static LOGFONTA s_lfChosen;
    static LOGFONTA s_lfGiven;
    static DWORD s_dwFlags;
    static int s_nCalls;

    static BOOL WINAPI ChooseFont(LPCHOOSEFONTA pcf)
    {
        ++s_nCalls;
        s_dwFlags = pcf->Flags;
        s_lfGiven = *pcf->lpLogFont;
        if (s_bAnswerOk)
            *pcf->lpLogFont = s_lfChosen;
        else
            pcf->lpLogFont->lfHeight = -99; // a cancelled dialog may leave anything behind
        return s_bAnswerOk;
    }
};
BOOL CFontDialogScript::s_bAnswerOk = FALSE;
LOGFONTA CFontDialogScript::s_lfChosen;
LOGFONTA CFontDialogScript::s_lfGiven;
DWORD CFontDialogScript::s_dwFlags = 0;
int CFontDialogScript::s_nCalls = 0;

LOGFONTA ArialRecord(LONG lfHeight)
{
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    lf.lfHeight = lfHeight;
    lf.lfWeight = FW_BOLD;
    std::strcpy(lf.lfFaceName, "Arial");
    return lf;
}

std::vector<BYTE> BytesOf(const LOGFONTA& lf)
{
    const BYTE* p = (const BYTE*)&lf;
    return std::vector<BYTE>(p, p + sizeof lf);
}
} // namespace

TEST_F(KeyboardViewCommands, StyleCommands_WriteThePreference_AndMoveTheCheckMark)
{
    StartWithList({});
    EXPECT_EQ(TRUE, MenuChecked(ID_KEYNAME_SIMPLE));
    EXPECT_EQ(FALSE, MenuChecked(ID_KEYNAME_RAISED));
    Command(ID_KEYNAME_RAISED);
    CFakeRegistry::Value value = m_registry.Get(PreferenceKey(), "Button text type");
    EXPECT_EQ((DWORD)REG_DWORD, value.dwType);
    EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 0}), value.bytes);
    EXPECT_EQ(FALSE, MenuChecked(ID_KEYNAME_SIMPLE));
    EXPECT_EQ(TRUE, MenuChecked(ID_KEYNAME_RAISED));
    Command(ID_KEYNAME_SUNK);
    EXPECT_EQ((std::vector<BYTE>{2, 0, 0, 0}), m_registry.Get(PreferenceKey(), "Button text type").bytes);
    EXPECT_EQ(TRUE, MenuChecked(ID_KEYNAME_SUNK));
    EXPECT_EQ(FALSE, MenuChecked(ID_KEYNAME_RAISED));
}

TEST_F(KeyboardViewCommands, SunkStyle_DrawsAWhiteCopyOnTheFace)
{
    m_registry.PutDword(StoredPreferenceKey(), "Button text type", 2);
    StartWithList({{SC_CAPS, 0x1D}});
    CKeyCap* pCaps = Remap(SC_CAPS);
    CViewImage image(ViewWindow());
    // Transparent background: the face colour shows through around the text.
    EXPECT_LT(0, image.Count(pCaps->m_rectText, ::GetSysColor(COLOR_BTNFACE)));
    EXPECT_LT(0, image.Count(pCaps->m_rectText, RGB(255, 255, 255)));
    EXPECT_LT(0, image.Count(pCaps->m_rectText, RGB(255, 0, 0)));
}

TEST_F(KeyboardViewCommands, FitCommand_TogglesThePreference_TheCheckMark_AndTheLayout)
{
    StartWithList({});
    EXPECT_EQ(TRUE, MenuChecked(ID_OPTION_FIT_KEYNAME));
    int nFitted = FittedCapCount();
    EXPECT_LT(0, nFitted);
    Command(ID_OPTION_FIT_KEYNAME);
    EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0}), m_registry.Get(PreferenceKey(), "Fit keyname").bytes);
    EXPECT_EQ(FALSE, MenuChecked(ID_OPTION_FIT_KEYNAME));
    EXPECT_EQ(0, FittedCapCount());
    Command(ID_OPTION_FIT_KEYNAME);
    EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 0}), m_registry.Get(PreferenceKey(), "Fit keyname").bytes);
    EXPECT_EQ(TRUE, MenuChecked(ID_OPTION_FIT_KEYNAME));
    EXPECT_EQ(nFitted, FittedCapCount());
}

TEST_F(KeyboardViewCommands, StoredFont_BecomesTheKeyFontAtStart)
{
    m_registry.Put(StoredPreferenceKey(), "FontA", REG_BINARY, BytesOf(ArialRecord(-15)));
    StartWithList({});
    EXPECT_EQ(-15, KeyFont().lfHeight);
    EXPECT_EQ(FW_BOLD, KeyFont().lfWeight);
    EXPECT_STREQ("Arial", KeyFont().lfFaceName);
}

TEST_F(KeyboardViewCommands, FontSetup_Ok_WritesFontA_AndRelaysWithTheChosenFont)
{
    StartWithList({});
    LOGFONTA lfBefore = KeyFont();
    CFontDialogScript::s_bAnswerOk = TRUE;
    CFontDialogScript::s_lfChosen = ArialRecord(-16);
    CFontDialogScript::s_nCalls = 0;
    g_pfnChooseFont = &CFontDialogScript::ChooseFont;
    Command(ID_OPTION_FONT);
    ASSERT_EQ(1, CFontDialogScript::s_nCalls);
    EXPECT_EQ(lfBefore.lfHeight, CFontDialogScript::s_lfGiven.lfHeight);
    EXPECT_STREQ(lfBefore.lfFaceName, CFontDialogScript::s_lfGiven.lfFaceName);
    EXPECT_EQ((DWORD)(CF_SCREENFONTS | CF_NOSCRIPTSEL),
              CFontDialogScript::s_dwFlags & (CF_SCREENFONTS | CF_NOSCRIPTSEL));
    CFakeRegistry::Value value = m_registry.Get(PreferenceKey(), "FontA");
    EXPECT_EQ((DWORD)REG_BINARY, value.dwType);
    EXPECT_EQ(BytesOf(ArialRecord(-16)), value.bytes);
    EXPECT_EQ(-16, KeyFont().lfHeight);
    EXPECT_STREQ("Arial", KeyFont().lfFaceName);
}

TEST_F(KeyboardViewCommands, FontSetup_Cancelled_ChangesNothing)
{
    StartWithList({});
    LOGFONTA lfBefore = KeyFont();
    HFONT hBefore = g_keyFont;
    CFontDialogScript::s_bAnswerOk = FALSE;
    CFontDialogScript::s_nCalls = 0;
    g_pfnChooseFont = &CFontDialogScript::ChooseFont;
    Command(ID_OPTION_FONT);
    EXPECT_EQ(1, CFontDialogScript::s_nCalls);
    EXPECT_EQ(FALSE, m_registry.HasValue(PreferenceKey(), "FontA"));
    EXPECT_EQ(hBefore, g_keyFont);
    EXPECT_EQ(lfBefore.lfHeight, KeyFont().lfHeight);
}
