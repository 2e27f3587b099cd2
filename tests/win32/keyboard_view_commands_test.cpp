// The display commands of the keyboard view: key-name style, fitting and
// font, each kept in the preferences at once, with their menu check marks.
#include "tests/win32/keyboard_view_fixture.h"

#include <cstring>

#include "res/resource.h"
#include "tests/win32/win32_test_support.h"

namespace
{
class KeyboardViewCommands : public KeyboardViewFixture
{
protected:
    // Where the preferences live, known before the application starts.
    std::string StoredPreferenceKey() const
    {
        return "HKCU\\Software\\Ostrelwick\\" + wintest::LoadResourceString(IDS_APP_TITLE) +
               "\\Preference";
    }
};

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
    EXPECT_LT(0, image.Count(pCaps->GetTextRect(), ::GetSysColor(COLOR_BTNFACE)));
    EXPECT_LT(0, image.Count(pCaps->GetTextRect(), RGB(255, 255, 255)));
    EXPECT_LT(0, image.Count(pCaps->GetTextRect(), RGB(255, 0, 0)));
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
    m_fontChooser.m_bAnswerOk = TRUE;
    m_fontChooser.m_chosen = ArialRecord(-16);
    Command(ID_OPTION_FONT);
    ASSERT_EQ(1, m_fontChooser.m_nCalls);
    EXPECT_EQ(MainWindow(), m_fontChooser.m_hOwner);
    EXPECT_EQ(lfBefore.lfHeight, m_fontChooser.m_given.lfHeight);
    EXPECT_STREQ(lfBefore.lfFaceName, m_fontChooser.m_given.lfFaceName);
    EXPECT_EQ((DWORD)(CF_SCREENFONTS | CF_NOSCRIPTSEL), m_fontChooser.m_dwFlags);
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
    m_fontChooser.m_bAnswerOk = FALSE;
    Command(ID_OPTION_FONT);
    EXPECT_EQ(1, m_fontChooser.m_nCalls);
    EXPECT_EQ(FALSE, m_registry.HasValue(PreferenceKey(), "FontA"));
    EXPECT_EQ(hBefore, g_keyFont);
    EXPECT_EQ(lfBefore.lfHeight, KeyFont().lfHeight);
}
