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

TEST(KeyTable, EveryRow_MatchesTheLayoutTable_InOrder)
{
    // Written out again from the layout table, not from the code: a swap of
    // two codes (keypad 4 and 6, Home and End) must show here.
    struct Row
    {
        WORD wKeyId;
        WORD wTableCode;
        BOOL b106Only = FALSE;
    };
    const Row rows[CKeyTable::COUNT_106] = {
        {100, 0x001}, {101, 0x002}, {102, 0x003}, {5, 0x004}, {6, 0x005}, {7, 0x006},
        {8, 0x007}, {9, 0x008}, {10, 0x009}, {11, 0x00A}, {12, 0x00B}, {13, 0x00C},
        {14, 0x00D}, {16, 0x00E}, {1000, 0x00F}, {4, 0x010}, {17, 0x011}, {18, 0x012},
        {19, 0x013}, {20, 0x014}, {21, 0x015}, {22, 0x016}, {23, 0x017}, {24, 0x018},
        {25, 0x019}, {26, 0x01A}, {27, 0x01B}, {1001, 0x01C}, {1004, 0x01D}, {28, 0x01E},
        {29, 0x01F}, {30, 0x020}, {31, 0x021}, {32, 0x022}, {33, 0x023}, {34, 0x024},
        {35, 0x025}, {36, 0x026}, {37, 0x027}, {39, 0x028}, {999, 0x029}, {1003, 0x02A},
        {15, 0x02B}, {38, 0x02C}, {40, 0x02D}, {41, 0x02E}, {42, 0x02F}, {43, 0x030},
        {44, 0x031}, {45, 0x032}, {46, 0x033}, {47, 0x034}, {48, 0x035}, {1005, 0x036},
        {83, 0x037}, {1007, 0x038}, {1008, 0x039}, {1002, 0x03A}, {59, 0x03B}, {60, 0x03C},
        {61, 0x03D}, {62, 0x03E}, {63, 0x03F}, {64, 0x040}, {65, 0x041}, {66, 0x042},
        {67, 0x043}, {87, 0x044}, {81, 0x145}, {78, 0x047}, {79, 0x048}, {80, 0x049},
        {84, 0x04A}, {75, 0x04B}, {76, 0x04C}, {77, 0x04D}, {85, 0x04E}, {72, 0x04F},
        {73, 0x050}, {74, 0x051}, {1006, 0x052}, {71, 0x053}, {88, 0x057}, {89, 0x058},
        {82, 0x135}, {1009, 0x138}, {50, 0x147}, {55, 0x148}, {51, 0x149}, {57, 0x14B},
        {58, 0x14D}, {53, 0x14F}, {56, 0x150}, {54, 0x151}, {49, 0x152}, {52, 0x153},
        {86, 0x11C}, {128, 0x11D}, {256, 0x15B}, {257, 0x15C}, {258, 0x15D}, {1010, 0x07B, TRUE},
        {1012, 0x079, TRUE}, {1013, 0x070, TRUE}, {91, 0x07D, TRUE}, {90, 0x073, TRUE},
    };
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
    {
        EXPECT_EQ(rows[i].wKeyId, Entries()[i].wKeyId) << "row " << i + 1;
        EXPECT_EQ(rows[i].wTableCode, Entries()[i].wTableCode) << "row " << i + 1;
        EXPECT_EQ(rows[i].b106Only, Entries()[i].b106Only) << "row " << i + 1;
    }
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

TEST(ScancodeFromTableCode, GivesE0Form_ForAnyHighBit_ButNumLockHasNoPrefix)
{
    const struct
    {
        WORD wTableCode;
        WORD wScancode;
    } rows[] = {
        {0x145, 0x0045},  // Num Lock: 45, as the mapper reads it
        {0x11C, 0xE01C},  // keypad Enter
        {0x148, 0xE048},  // Up
        {0x15D, 0xE05D},  // Application
        {0x037, 0x0037},  // keypad * stays plain
        {0x01D, 0x001D},
        {0x070, 0x0070},
        {0x0212, 0xE012}, // any high bit is E0
        {0xFFFF, 0xE0FF},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.wScancode, ScancodeFromTableCode(row.wTableCode)) << row.wTableCode;
    EXPECT_EQ(0x0045, CanonicalScancode(0xE045)); // as earlier versions wrote it
    EXPECT_EQ(0xE046, CanonicalScancode(0xE046));
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
