#include <gtest/gtest.h>

#include <cstring>

#include "model/key_name.h"
#include "model/key_name_alias.h"
#include "model/key_table.h"
#include "tests/support/fake_keyboard.h"

namespace
{
struct Applied
{
    std::string strText;
    const CKeyNameAlias* pAlias;
};

Applied Apply(const std::string& strName)
{
    Applied result{strName, nullptr};
    result.pAlias = ApplyKeyNameAlias(result.strText);
    return result;
}

// A name that takes no alias: shown as strShown, and no alias comes back.
void ExpectNoAlias(const std::string& strName, const std::string& strShown)
{
    Applied applied = Apply(strName);
    EXPECT_EQ(strShown, applied.strText) << strName;
    EXPECT_EQ(nullptr, applied.pAlias) << strName;
}

void ExpectNoAlias(const std::string& strName)
{
    ExpectNoAlias(strName, strName);
}

std::string Char(unsigned char ch)
{
    return std::string(1, (char)ch);
}
} // namespace

// Keypad names

TEST(ApplyKeyNameAlias, KeypadDigit_BecomesWingdingsDigit)
{
    Applied applied = Apply("Num 7");
    EXPECT_EQ(Char(0x92), applied.strText);
    EXPECT_EQ(&g_keypadDigitAlias(), applied.pAlias);
    EXPECT_EQ(TRUE, applied.pAlias->IsSymbol());
    EXPECT_EQ("Wingdings", applied.pAlias->m_strFace);
    EXPECT_EQ("", applied.pAlias->m_strText);
}

TEST(ApplyKeyNameAlias, KeypadDigits_RunFrom8BTo94)
{
    for (char digit = '0'; digit <= '9'; ++digit)
    {
        Applied applied = Apply(std::string("Num ") + digit);
        EXPECT_EQ(Char((unsigned char)(0x8B + (digit - '0'))), applied.strText) << digit;
        EXPECT_EQ(&g_keypadDigitAlias(), applied.pAlias);
    }
}

TEST(ApplyKeyNameAlias, KeypadDigit_DropsDebugSuffix)
{
    Applied applied = Apply("Num 7 0047 0047");
    EXPECT_EQ(Char(0x92), applied.strText);
    EXPECT_EQ(&g_keypadDigitAlias(), applied.pAlias);
}

TEST(ApplyKeyNameAlias, KeypadEnter_LosesPrefix_WithoutAlias)
{
    ExpectNoAlias("Num Enter", "Enter");
}

TEST(ApplyKeyNameAlias, KeypadSigns_LosePrefix_WithoutAlias)
{
    for (const char* pszSign : {"/", "*", "-", "+", "."})
        ExpectNoAlias(std::string("Num ") + pszSign, pszSign);
}

TEST(ApplyKeyNameAlias, KeypadSign_KeepsDebugSuffix)
{
    ExpectNoAlias("Num / 0135 e035", "/ 0135 e035");
}

TEST(ApplyKeyNameAlias, KeypadEnterWithSuffix_IsNotAKeypadName)
{
    ExpectNoAlias("Num Enter 011c e01c");
}

TEST(ApplyKeyNameAlias, NumLockAndNumDel_StayAsTheyAre)
{
    ExpectNoAlias("Num Lock");
    ExpectNoAlias("Num Del");
}

TEST(ApplyKeyNameAlias, ShortNumNames_AreNotChanged)
{
    for (const char* pszName : {"Num", "Num ", "Num7", "Nu", ""})
        ExpectNoAlias(pszName);
}

TEST(ApplyKeyNameAlias, PrefixIsCaseSensitive)
{
    ExpectNoAlias("num 7");
    ExpectNoAlias("NUM 7");
}

// The alias table

TEST(ApplyKeyNameAlias, PlainAliases_ShortenNames)
{
    const char* names[][2] = {
        {"Application", "App"}, {"Delete", "Del"}, {"Insert", "Ins"}, {"Caps Lock", "Caps"}};
    for (auto& name : names)
    {
        Applied applied = Apply(name[0]);
        EXPECT_EQ(name[1], applied.strText);
        ASSERT_NE(nullptr, applied.pAlias) << name[0];
        EXPECT_EQ(FALSE, applied.pAlias->IsSymbol());
        EXPECT_EQ("", applied.pAlias->m_strFace);
    }
}

TEST(ApplyKeyNameAlias, ArrowsAndBackspace_BecomeWingdingsSymbols)
{
    const struct
    {
        const char* pszName;
        unsigned char chCode;
    } names[] = {{"Left", 0xDF}, {"Right", 0xE0}, {"Up", 0xE1}, {"Down", 0xE2}, {"Backspace", 0xEF}};
    for (auto& name : names)
    {
        Applied applied = Apply(name.pszName);
        EXPECT_EQ(Char(name.chCode), applied.strText) << name.pszName;
        ASSERT_NE(nullptr, applied.pAlias) << name.pszName;
        EXPECT_EQ(TRUE, applied.pAlias->IsSymbol());
        EXPECT_EQ("Wingdings", applied.pAlias->m_strFace);
    }
}

TEST(ApplyKeyNameAlias, TableHoldsExactlyNineNames)
{
    EXPECT_EQ(9u, g_keyNameAliases().size());
}

TEST(ApplyKeyNameAlias, LookupIsExact)
{
    for (const char* pszName : {"caps lock", "Caps Lock ", " Caps Lock", "Left 014b e04b", "left",
                                "Del", "Page Up", "Num Lock"})
        ExpectNoAlias(pszName);
}

TEST(ApplyKeyNameAlias, ReturnsTheSameAliasEveryTime)
{
    const CKeyNameAlias* pFirst = Apply("Up").pAlias;
    EXPECT_EQ(pFirst, Apply("Up").pAlias);
    EXPECT_EQ(pFirst, g_keyNameAliases().at("Up").get());
}

TEST(ApplyKeyNameAlias, DoubleByteNames_PassUnchanged)
{
    const std::string strHenkan = "\x95\xCF\x8A\xB7";
    ExpectNoAlias(strHenkan);
}

// GetKeyName

TEST(GetKeyName, ExtendedKey_SetsBit24)
{
    CFakeKeyboard keyboard;
    EXPECT_EQ("Up", GetKeyName(keyboard, 0x148));
    ASSERT_EQ(1u, keyboard.m_lParams.size());
    EXPECT_EQ(0x01480000, keyboard.m_lParams[0]);
}

TEST(GetKeyName, PlainKey_LeavesBit24Clear)
{
    CFakeKeyboard keyboard;
    EXPECT_EQ("Ctrl", GetKeyName(keyboard, 0x01D));
    ASSERT_EQ(1u, keyboard.m_lParams.size());
    EXPECT_EQ(0x001D0000, keyboard.m_lParams[0]);
}

TEST(GetKeyName, NeverSetsBit25)
{
    CFakeKeyboard keyboard;
    GetKeyName(keyboard, 0x11D);
    GetKeyName(keyboard, 0x0200);
    ASSERT_EQ(2u, keyboard.m_lParams.size());
    EXPECT_EQ(0x011D0000, keyboard.m_lParams[0]);
    EXPECT_EQ(0, keyboard.m_lParams[1] & 0x02000000);
}

TEST(GetKeyName, IsEmpty_WhenServiceKnowsNoName)
{
    CFakeKeyboard keyboard;
    EXPECT_EQ("", GetKeyName(keyboard, 0x07B)); // No-convert has no US name
    keyboard.SetName(0x01D, "");
    EXPECT_EQ("", GetKeyName(keyboard, 0x01D));
}

TEST(GetKeyName, AsksAgainOnEveryCall)
{
    CFakeKeyboard keyboard;
    EXPECT_EQ("Caps Lock", GetKeyName(keyboard, 0x03A));
    keyboard.SetName(0x03A, "Eisu");
    EXPECT_EQ("Eisu", GetKeyName(keyboard, 0x03A));
    EXPECT_EQ(2u, keyboard.m_lParams.size());
}

TEST(GetKeyName, LongName_IsCutTo127Characters)
{
    CFakeKeyboard keyboard;
    keyboard.SetName(0x001, std::string(300, 'x'));
    EXPECT_EQ(std::string(127, 'x'), GetKeyName(keyboard, 0x001));
}

namespace
{
// A service that claims more than it wrote and more than the buffer holds.
struct COverclaimingKeyboard : IKeyboardServices
{
    int GetKeyNameText(LONG lParam, char* pszName, int cchName) override
    {
        std::memcpy(pszName, "Esc", 3);
        return cchName + 100;
    }
    int GetKeyboardType(int nTypeFlag) override { return 0; }
};
} // namespace

TEST(GetKeyName, StaysInsideBuffer_WhenServiceOverclaims)
{
    COverclaimingKeyboard keyboard;
    EXPECT_EQ("Esc", GetKeyName(keyboard, 0x001));
}

TEST(GetKeyName, JapaneseLayout_GivesJapaneseNames)
{
    CFakeKeyboard keyboard(CFakeKeyboard::JAPANESE_106);
    EXPECT_EQ("\x95\xCF\x8A\xB7", GetKeyName(keyboard, 0x079));
    EXPECT_EQ("\\", GetKeyName(keyboard, 0x07D));
    EXPECT_EQ("@", GetKeyName(keyboard, 0x01A));
    EXPECT_EQ("Caps Lock", GetKeyName(keyboard, 0x03A));
}

TEST(CFakeKeyboard, NamesEveryCommonKeyOfTheTable)
{
    CFakeKeyboard us;
    CFakeKeyboard japanese(CFakeKeyboard::JAPANESE_106);
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
    {
        WORD wCode = CKeyTable::GetEntries()[i].wTableCode;
        if (i < CKeyTable::COUNT_101)
        {
            EXPECT_NE("", GetKeyName(us, wCode)) << std::hex << wCode;
        }
        EXPECT_NE("", GetKeyName(japanese, wCode)) << std::hex << wCode;
    }
}
