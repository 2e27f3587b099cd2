#include <gtest/gtest.h>

#include <set>

#include "model/command_line_flags.h"
#include "model/key_table.h"
#include "tests/support/fake_keyboard.h"

namespace
{
const CKeyTableEntry* Entries()
{
    return CKeyTable::GetEntries();
}

BOOL HasTableCode(WORD wTableCode)
{
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
        if (Entries()[i].wTableCode == wTableCode)
            return TRUE;
    return FALSE;
}
} // namespace

TEST(KeyTable, Holds101Keys_ForEveryLayout_And106WithJapaneseKeys)
{
    EXPECT_EQ(101, CKeyTable::GetCount(FALSE));
    EXPECT_EQ(106, CKeyTable::GetCount(TRUE));
}

TEST(KeyTable, KeyIdsAndTableCodes_AreEachUnique)
{
    std::set<WORD> ids;
    std::set<WORD> codes;
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
    {
        EXPECT_TRUE(ids.insert(Entries()[i].wKeyId).second) << "key id " << Entries()[i].wKeyId;
        EXPECT_TRUE(codes.insert(Entries()[i].wTableCode).second)
            << "table code " << Entries()[i].wTableCode;
    }
}

TEST(KeyTable, RemappedButtonIds_NeverCollideWithBaseIds)
{
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
        EXPECT_EQ(nullptr, CKeyTable::FindById((WORD)(Entries()[i].wKeyId + CKeyTable::REMAP_ID_OFFSET)));
}

TEST(KeyTable, JapaneseOnlyKeys_ComeLast_InTheirOrder)
{
    for (int i = 0; i < CKeyTable::COUNT_101; ++i)
        EXPECT_EQ(FALSE, Entries()[i].b106Only) << "row " << i + 1;
    const WORD expected[5][2] = {
        {1010, 0x07B}, {1012, 0x079}, {1013, 0x070}, {91, 0x07D}, {90, 0x073}};
    for (int i = 0; i < 5; ++i)
    {
        const CKeyTableEntry& entry = Entries()[CKeyTable::COUNT_101 + i];
        EXPECT_EQ(TRUE, entry.b106Only);
        EXPECT_EQ(expected[i][0], entry.wKeyId);
        EXPECT_EQ(expected[i][1], entry.wTableCode);
    }
}

TEST(KeyTable, StartsWithEsc_AndEndsCommonPartWithApplication)
{
    EXPECT_EQ(100, Entries()[0].wKeyId);
    EXPECT_EQ(0x001, Entries()[0].wTableCode);
    EXPECT_EQ(258, Entries()[100].wKeyId);
    EXPECT_EQ(0x15D, Entries()[100].wTableCode);
}

TEST(KeyTable, LeavesOutPrintScreenScrollLockAndPause)
{
    EXPECT_EQ(nullptr, CKeyTable::FindById(68));
    EXPECT_EQ(nullptr, CKeyTable::FindById(69));
    EXPECT_EQ(nullptr, CKeyTable::FindById(70));
    EXPECT_EQ(FALSE, HasTableCode(0x137)); // Print Screen
    EXPECT_EQ(FALSE, HasTableCode(0x046)); // Scroll Lock
    EXPECT_EQ(FALSE, HasTableCode(0x045)); // Pause (Num Lock is 0x145)
}

TEST(KeyTable, FindById_GivesTheRowOfThatKey)
{
    const CKeyTableEntry* pEntry = CKeyTable::FindById(81);
    ASSERT_NE(nullptr, pEntry);
    EXPECT_EQ(0x145, pEntry->wTableCode);
    EXPECT_EQ(nullptr, CKeyTable::FindById(0));
    EXPECT_EQ(nullptr, CKeyTable::FindById(2100));
}

TEST(ScancodeFromTableCode, GivesE0Form_ForExtendedKeys)
{
    EXPECT_EQ(0xE045, ScancodeFromTableCode(0x145)); // Num Lock
    EXPECT_EQ(0xE01C, ScancodeFromTableCode(0x11C)); // keypad Enter
    EXPECT_EQ(0xE048, ScancodeFromTableCode(0x148)); // Up
    EXPECT_EQ(0xE05D, ScancodeFromTableCode(0x15D)); // Application
}

TEST(ScancodeFromTableCode, KeepsPlainKeys_IncludingKeypadStar)
{
    EXPECT_EQ(0x0037, ScancodeFromTableCode(0x037));
    EXPECT_EQ(0x001D, ScancodeFromTableCode(0x01D));
    EXPECT_EQ(0x0070, ScancodeFromTableCode(0x070));
}

TEST(ScancodeFromTableCode, TreatsAnyHighBitAsE0)
{
    EXPECT_EQ(0xE012, ScancodeFromTableCode(0x0212));
    EXPECT_EQ(0xE0FF, ScancodeFromTableCode(0xFFFF));
}

namespace
{
struct Is106LayoutTest : ::testing::Test
{
    BOOL m_bOldForce106 = g_bForce106;
    ~Is106LayoutTest() override { g_bForce106 = m_bOldForce106; }
};
} // namespace

TEST_F(Is106LayoutTest, IsFalse_ForUsKeyboard)
{
    g_bForce106 = FALSE;
    CFakeKeyboard keyboard;
    EXPECT_EQ(FALSE, Is106Layout(keyboard));
    EXPECT_EQ(std::vector<int>{1}, keyboard.m_typeFlags);
}

TEST_F(Is106LayoutTest, IsTrue_ForSubtype2)
{
    g_bForce106 = FALSE;
    CFakeKeyboard keyboard;
    keyboard.m_nSubtype = 2;
    EXPECT_EQ(TRUE, Is106Layout(keyboard));
    CFakeKeyboard japanese(CFakeKeyboard::JAPANESE_106);
    EXPECT_EQ(TRUE, Is106Layout(japanese));
}

TEST_F(Is106LayoutTest, IsFalse_ForOtherSubtypes)
{
    g_bForce106 = FALSE;
    CFakeKeyboard keyboard;
    for (int nSubtype : {0, 1, 3, 4, 13})
    {
        keyboard.m_nSubtype = nSubtype;
        EXPECT_EQ(FALSE, Is106Layout(keyboard)) << "subtype " << nSubtype;
    }
}

TEST_F(Is106LayoutTest, IsTrue_WhenForced_WithoutAskingTheKeyboard)
{
    g_bForce106 = TRUE;
    CFakeKeyboard keyboard;
    EXPECT_EQ(TRUE, Is106Layout(keyboard));
    EXPECT_TRUE(keyboard.m_typeFlags.empty());
}
