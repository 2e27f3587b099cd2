#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/key_table.h"
#include "model/lost_key_check.h"
#include "tests/support/fake_keyboard.h"
#include "tests/support/velloric_strings.h"

namespace
{
const char JA_DANGER[] = "\n！！！危険！！！\n\nCtrl または Alt または Del キーが失われ、\n"
                         "NT にログインできなくなる可能性があります。";
const char NEUTRAL_DANGER[] =
    "\n!!!危险 !!!\n\nCtrl or Alt or Del 键可能丢失,\n你可以会登陆不了系统.";

// A key of the remapped keyboard: its table code, and what it produces now.
CRemappedKey Key(WORD wTableCode, WORD wProduced)
{
    return CRemappedKey{ScancodeFromTableCode(wTableCode), wTableCode, wProduced};
}

std::string JaLine(const std::string& strName)
{
    return "\"" + strName + "\" キーが失われます\n";
}

struct LostKeyCheckTest : ::testing::Test
{
    CFakeKeyboard keyboard;
    CFakeStrings strings;
    CScriptedMessageBoxes boxes{&strings};
    CLostKeyCheck check{keyboard};
    std::string strText;

    LostKeyCheckTest() { FillJapaneseStrings(&strings); }
};
} // namespace

// --- the line formatter -----------------------------------------------------

TEST(FormatLostKeyLine, FillsNameAndHex_AndCopiesWhatItDoesNotKnow)
{
    const struct
    {
        const char* pszFormat;
        const char* pszName;
        WORD wNumber;
        const char* pszLine;
    } rows[] = {
        // The Japanese set shows the name only; the neutral one four upper hex digits too.
        {"\"%s\" キーが失われます\n", "Caps Lock", 0x3A, "\"Caps Lock\" キーが失われます\n"},
        {"你会丢失\"%s\" [0x%04X] \n", "Caps Lock", 0x3A, "你会丢失\"Caps Lock\" [0x003A] \n"},
        {"你会丢失\"%s\" [0x%04X] \n", "Right Ctrl", 0xE01D, "你会丢失\"Right Ctrl\" [0xE01D] \n"},
        // Width, padding and case.
        {"[%4x][%X]", "", 0x3A, "[  3a][3A]"},
        {"[%2X][%08x]", "", 0xE01D, "[E01D][0000e01d]"},
        {"100%% %s", "Ctrl", 0x1D, "100% Ctrl"},
        // Nothing here may read an argument that is not there.
        {"%d %n %p %ls %-4X %0s %.2s x%", "Ctrl", 0x1D, "%d %n %p %ls %-4X %0s %.2s x%"},
        {"%99999X", "Ctrl", 0x1D, "%99999X"},
        {"%", "Ctrl", 0x1D, "%"},
        // A translation that swaps the order, or names a value twice, stays safe.
        {"%04X %s %s", "Ctrl", 0x1D, "001D Ctrl Ctrl"},
        // The name is text, not read as a format.
        {"\"%s\"", "%s%n%%", 0x1D, "\"%s%n%%\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.pszLine, FormatLostKeyLine(row.pszFormat, row.pszName, row.wNumber)) << row.pszFormat;
}

// --- which keys are lost ----------------------------------------------------

TEST_F(LostKeyCheckTest, NothingRemapped_ReturnsZero_AndLeavesTextUntouched)
{
    strText = "before";
    std::vector<CRemappedKey> keys = {Key(0x01D, 0), Key(0x03A, 0)};
    EXPECT_EQ(0u, check.Run(keys, &strText));
    EXPECT_EQ("before", strText);
}

TEST_F(LostKeyCheckTest, SwappedKeys_LoseNothing)
{
    std::vector<CRemappedKey> keys = {Key(0x01D, 0x3A), Key(0x03A, 0x1D)};
    EXPECT_EQ(0u, check.Run(keys, &strText));
    EXPECT_EQ("", strText);
}

TEST_F(LostKeyCheckTest, LostCtrl_GivesStopIcon_AndDangerParagraph)
{
    // Left Ctrl sends Caps Lock; nothing sends Ctrl any more.
    std::vector<CRemappedKey> keys = {Key(0x001, 0), Key(0x01D, 0x3A), Key(0x03A, 0)};
    EXPECT_EQ((UINT)MB_ICONHAND, check.Run(keys, &strText));
    EXPECT_EQ(JaLine("Ctrl") + JA_DANGER, strText);
}

TEST_F(LostKeyCheckTest, LostOrdinaryKey_GivesExclamation_WithoutDangerParagraph)
{
    // Caps Lock sends left Ctrl: Caps Lock is lost, Ctrl now exists twice.
    std::vector<CRemappedKey> keys = {Key(0x01D, 0), Key(0x03A, 0x1D)};
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, check.Run(keys, &strText));
    EXPECT_EQ(JaLine("Caps Lock"), strText);
}

TEST_F(LostKeyCheckTest, AppendsToTheGivenText)
{
    strText = "head\n";
    std::vector<CRemappedKey> keys = {Key(0x03A, 0x1D)};
    check.Run(keys, &strText);
    EXPECT_EQ("head\n" + JaLine("Caps Lock"), strText);
}

TEST_F(LostKeyCheckTest, AltAndDelNamesAreVital_IncludingKeypadDelAndRightAlt)
{
    for (WORD wTableCode : {(WORD)0x038, (WORD)0x138, (WORD)0x153, (WORD)0x053, (WORD)0x11D})
    {
        strText.clear();
        std::vector<CRemappedKey> keys = {Key(wTableCode, 0x3A)};
        EXPECT_EQ((UINT)MB_ICONHAND, check.Run(keys, &strText)) << std::hex << wTableCode;
        EXPECT_EQ(JaLine(keyboard.NameOf(wTableCode)) + JA_DANGER, strText);
    }
}

TEST_F(LostKeyCheckTest, VitalCodes_AreVitalWhateverTheirNames_AsOnAGermanWindows)
{
    const std::pair<WORD, const char*> germanNames[] = {
        {0x01D, "Strg"}, {0x11D, "Strg-Rechts"}, {0x038, "Linke Taste"}, {0x138, "Rechte Taste"},
        {0x153, "Entf"}, {0x053, "Komma (Zehnertastatur)"}};
    for (const auto& name : germanNames)
    {
        keyboard.SetName(name.first, name.second);
        strText.clear();
        std::vector<CRemappedKey> keys = {Key(name.first, 0x3A)};
        EXPECT_EQ((UINT)MB_ICONHAND, check.Run(keys, &strText)) << name.second;
        EXPECT_EQ(JaLine(name.second) + JA_DANGER, strText);
    }
}

TEST_F(LostKeyCheckTest, VitalNamesAreCaseSensitive)
{
    keyboard.SetName(0x010, "CTRL");
    keyboard.SetName(0x011, "alt");
    std::vector<CRemappedKey> keys = {Key(0x010, 0x3A), Key(0x011, 0x3A)};
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, check.Run(keys, &strText));
    EXPECT_EQ(JaLine("CTRL") + JaLine("alt"), strText);
}

TEST_F(LostKeyCheckTest, VitalSubstringAnywhereInTheFullName_BeforeAnyAlias)
{
    keyboard.SetName(0x03A, "LeftCtrlish");
    std::vector<CRemappedKey> keys = {Key(0x03A, 0x1D)};
    EXPECT_EQ((UINT)MB_ICONHAND, check.Run(keys, &strText));
}

TEST_F(LostKeyCheckTest, UnknownName_StillGivesALine_ButIsNotVital)
{
    keyboard.SetName(0x010, "");
    std::vector<CRemappedKey> keys = {Key(0x010, 0x3A)};
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, check.Run(keys, &strText));
    EXPECT_EQ(JaLine(""), strText);
}

TEST_F(LostKeyCheckTest, KeyStaysWhenAnyRemappedKeyStillProducesIt)
{
    // A->B, B->C, C->A: a cycle loses nothing; D->A loses D only.
    std::vector<CRemappedKey> keys = {Key(0x010, 0x11), Key(0x011, 0x12), Key(0x012, 0x10),
                                      Key(0x013, 0x10)};
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, check.Run(keys, &strText));
    EXPECT_EQ(JaLine("R"), strText);
}

TEST_F(LostKeyCheckTest, KeyMappedToItself_IsNotLost)
{
    std::vector<CRemappedKey> keys = {Key(0x03A, 0x3A)};
    EXPECT_EQ(0u, check.Run(keys, &strText));
}

TEST_F(LostKeyCheckTest, LinesFollowBucketOrder_ThenTheOrderHandedIn)
{
    // Buckets: Caps Lock 0x3A -> 3, Q 0x10 -> 1, left Ctrl 0x1D -> 1,
    // right Alt 0xE038 -> 0, keypad Enter 0xE01C -> 15, right Ctrl 0xE01D -> 15.
    // Every key sends F1 (0x3B), which no remapped key is, so all are lost.
    std::vector<CRemappedKey> keys = {Key(0x03A, 0x3B), Key(0x11C, 0x3B), Key(0x010, 0x3B),
                                      Key(0x11D, 0x3B), Key(0x01D, 0x3B), Key(0x138, 0x3B)};
    EXPECT_EQ((UINT)MB_ICONHAND, check.Run(keys, &strText));
    EXPECT_EQ(JaLine("Right Alt") + JaLine("Q") + JaLine("Ctrl") + JaLine("Caps Lock") +
                  JaLine("Num Enter") + JaLine("Right Ctrl") + JA_DANGER,
              strText);
}

TEST_F(LostKeyCheckTest, TiesKeepTheOrderHandedIn_ForAWholeKeyboardOfLostKeys)
{
    // Every key sends F1 and F1 sends F2: all but those two are lost, 23 of them
    // in each of buckets 1 and 2. Handed in by falling scancode, the ties keep
    // that order only when the order is stable; a sort by scancode would not.
    std::vector<CRemappedKey> keys;
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = CKeyTable::COUNT_101 - 1; i >= 0; --i)
        keys.push_back(Key(pEntries[i].wTableCode, pEntries[i].wTableCode == 0x03B ? 0x3C : 0x3B));
    std::string strExpected;
    for (int nBucket = 0; nBucket < 17; ++nBucket)
        for (const CRemappedKey& key : keys)
            if ((key.wScancode >> 4) % 17 == nBucket && key.wScancode != 0x3B &&
                key.wScancode != 0x3C)
                strExpected += JaLine(keyboard.NameOf(key.wTableCode));
    EXPECT_EQ((UINT)MB_ICONHAND, check.Run(keys, &strText));
    EXPECT_EQ(strExpected + JA_DANGER, strText);
}

TEST_F(LostKeyCheckTest, NeutralSet_ShowsScancodeInEachLine)
{
    strings.m_strings.clear();
    FillNeutralStrings(&strings);
    std::vector<CRemappedKey> keys = {Key(0x11D, 0x3B), Key(0x03A, 0x3B)};
    EXPECT_EQ((UINT)MB_ICONHAND, check.Run(keys, &strText));
    EXPECT_EQ(std::string("你会丢失\"Caps Lock\" [0x003A] \n") +
                  "你会丢失\"Right Ctrl\" [0xE01D] \n" + NEUTRAL_DANGER,
              strText);
}

TEST_F(LostKeyCheckTest, MalformedLineFormat_IsCopiedNotInterpreted)
{
    strings.m_strings[1015] = "%n%d%s|";
    std::vector<CRemappedKey> keys = {Key(0x03A, 0x1D)};
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, check.Run(keys, &strText));
    EXPECT_EQ("%n%dCaps Lock|", strText);
}

TEST_F(LostKeyCheckTest, AsksKeyNamesAnewForEveryLostKey)
{
    std::vector<CRemappedKey> keys = {Key(0x03A, 0x3B), Key(0x01D, 0x3B)};
    check.Run(keys, &strText);
    keyboard.SetName(0x03A, "Eisu");
    std::string strSecond;
    check.Run(keys, &strSecond);
    EXPECT_EQ(JaLine("Ctrl") + JaLine("Eisu") + JA_DANGER, strSecond);
}
