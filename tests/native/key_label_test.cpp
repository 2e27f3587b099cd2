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

TEST_F(KeyLabel, Label_NamesTheKeyProduced_PaddedOrWithTheDebugSuffix)
{
    // B (0x30) produces what the row says; Scroll Lock (0x46) and Play/Pause
    // (0xE022, no name of the system's) have no key on the keyboard but are
    // in the catalogue; 0x77 is no known key.
    const struct
    {
        WORD wTableCode, wScancode, wProduced;
        BOOL bDebug;
        const char* pszLabel;
    } rows[] = {
        {0x01E, 0x001E, 0, FALSE, " A "}, // one character: a space each side
        {0x027, 0x0027, 0, FALSE, " ; "},
        {0x03A, 0x003A, 0, FALSE, "Caps Lock"}, // longer: as the system gives it
        {0x11D, 0xE01D, 0, FALSE, "Right Ctrl"},
        {0x030, 0x0030, 0x001E, FALSE, " A "}, // remapped: the key it produces
        {0x030, 0x0030, 0xE04B, FALSE, "Left"},
        {0x030, 0x0030, 0x0046, FALSE, "Scroll Lock"}, // off the keyboard: the catalogue's key
        {0x030, 0x0030, 0xE022, FALSE, "MediaPlayPause"},
        {0x030, 0x0030, 0xE11D, TRUE, "Pause 0045 e11d"},
        {0x030, 0x0030, 0x0077, FALSE, " B "}, // unknown: the key's own name
        {0x14B, 0xE04B, 0, TRUE, "Left 014b e04b"}, // table code, then scancode, lower-case hex
        {0x01E, 0x001E, 0, TRUE, "A 001e 001e"},    // long enough now: no padding
        {0x030, 0x0030, 0xE04B, TRUE, "Left 014b e04b"}, // remapped: the source key's codes
        {0x030, 0x0030, 0x0077, TRUE, "B 0030 0030"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.pszLabel, m_label.Get(row.wTableCode, row.wScancode, row.wProduced, row.bDebug))
            << std::hex << row.wTableCode << " " << row.wProduced << " " << row.bDebug;
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
