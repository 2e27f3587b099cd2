#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/key_name_alias.h"
#include "view/key_label.h"
#include "tests/support/fake_keyboard.h"

namespace
{
// The remapped keyboard as a scancode -> table code map.
class CFakeFinder : public IRemapKeyFinder
{
public:
    BOOL FindRemapKey(WORD wScancode, WORD* pwTableCode) const override
    {
        auto it = m_keys.find(wScancode);
        if (it == m_keys.end())
            return FALSE;
        *pwTableCode = it->second;
        return TRUE;
    }
    std::map<WORD, WORD> m_keys = {{0x001E, 0x01E}, {0x0030, 0x030}, {0xE04B, 0x14B},
                                   {0x0047, 0x047}, {0x003A, 0x03A}};
};

class KeyLabel : public ::testing::Test
{
protected:
    CFakeKeyboard m_keyboard;
    CFakeFinder m_finder;
    CKeyLabel m_label{m_keyboard, m_finder};
};
} // namespace

TEST_F(KeyLabel, SingleCharacterName_IsPaddedWithASpaceEachSide)
{
    EXPECT_EQ(" A ", m_label.Get(0x01E, 0x001E, 0, FALSE));
    EXPECT_EQ(" ; ", m_label.Get(0x027, 0x0027, 0, FALSE));
}

TEST_F(KeyLabel, LongerName_StaysAsTheSystemGivesIt)
{
    EXPECT_EQ("Caps Lock", m_label.Get(0x03A, 0x003A, 0, FALSE));
    EXPECT_EQ("Right Ctrl", m_label.Get(0x11D, 0xE01D, 0, FALSE));
}

TEST_F(KeyLabel, RemappedKey_IsNamedAfterTheKeyItProduces)
{
    // B (0x30) produces A.
    EXPECT_EQ(" A ", m_label.Get(0x030, 0x0030, 0x001E, FALSE));
    EXPECT_EQ("Left", m_label.Get(0x030, 0x0030, 0xE04B, FALSE));
}

TEST_F(KeyLabel, ProducedCodeOffTheKeyboard_ShowsTheCataloguesKey_OrTheKeysOwnName)
{
    // Scroll Lock (0x46) and Play/Pause (0xE022, no name of the system's) have
    // no key on the keyboard but are in the catalogue; 0x77 is no known key.
    EXPECT_EQ("Scroll Lock", m_label.Get(0x030, 0x0030, 0x0046, FALSE));
    EXPECT_EQ("MediaPlayPause", m_label.Get(0x030, 0x0030, 0xE022, FALSE));
    EXPECT_EQ("Pause 0045 e11d", m_label.Get(0x030, 0x0030, 0xE11D, TRUE));
    EXPECT_EQ(" B ", m_label.Get(0x030, 0x0030, 0x0077, FALSE));
}

TEST_F(KeyLabel, DebugSuffix_GivesTableCodeThenScancode_InLowerCaseHex)
{
    EXPECT_EQ("Left 014b e04b", m_label.Get(0x14B, 0xE04B, 0, TRUE));
    // Long enough now: no padding.
    EXPECT_EQ("A 001e 001e", m_label.Get(0x01E, 0x001E, 0, TRUE));
}

TEST_F(KeyLabel, DebugSuffixOfARemappedKey_GivesTheSourceKeysCodes)
{
    EXPECT_EQ("Left 014b e04b", m_label.Get(0x030, 0x0030, 0xE04B, TRUE));
    EXPECT_EQ("B 0030 0030", m_label.Get(0x030, 0x0030, 0x0077, TRUE));
}

TEST_F(KeyLabel, KeypadDigitWithDebugSuffix_StillTakesTheDigitAlias)
{
    std::string strLabel = m_label.Get(0x047, 0x0047, 0, TRUE);
    EXPECT_EQ("Num 7 0047 0047", strLabel);
    EXPECT_EQ(&g_keypadDigitAlias(), ApplyKeyNameAlias(strLabel));
    EXPECT_EQ(std::string(1, (char)0x92), strLabel);
}

TEST_F(KeyLabel, UnknownName_IsEmpty_AndNotPadded)
{
    m_keyboard.SetName(0x01E, "");
    EXPECT_EQ("", m_label.Get(0x01E, 0x001E, 0, FALSE));
}

TEST_F(KeyLabel, NamesAreAskedAgainOnEveryCall)
{
    EXPECT_EQ(" A ", m_label.Get(0x01E, 0x001E, 0, FALSE));
    m_keyboard.SetName(0x01E, "Q");
    EXPECT_EQ(" Q ", m_label.Get(0x01E, 0x001E, 0, FALSE));
    EXPECT_EQ(2u, m_keyboard.m_lParams.size());
}
