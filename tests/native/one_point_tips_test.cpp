// The tip of the day without its window: profile entries, time stamp, the
// walk over the tips file and the copy of one tip line.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialogs/one_point_tips.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_tips_file.h"
#include "tests/support/scripted_message_boxes.h"

namespace
{
const char kPath[] = "C:\\Velloric\\tips.txt";
const char kTipKey[] = "HKCU\\Software\\Ostrelwick\\Velloric\\Tip";
const char kStamp[] = "Mon Jan 04 10:20:30 1999";
const char kAbsent[] = "no tips file";
const char kError[] = "tips file error";

// Two tips among lines that are never shown.
const std::string kTwoTips = "; comment\n"
                             "\n"
                             " indented\n"
                             "\tindented by a tab\n"
                             "first tip\n"
                             ";another comment\n"
                             "second tip\n";
const long kAfterFirst = 50;  // offset just after "first tip\n"
const long kAfterSecond = 78; // the end of the file
} // namespace

class OnePointTips : public ::testing::Test
{
protected:
    OnePointTips()
    {
        m_strings.m_strings[57344] = "Velloric";
        m_strings.m_strings[109] = kAbsent;
        m_strings.m_strings[110] = kError;
        m_profile.SetRegistryKey("Ostrelwick", "Velloric");
    }

    void PutFile(const std::string& strBytes, const std::string& strStamp = kStamp,
                 BOOL bFailRewind = FALSE)
    {
        CFakeTipsFileSystem::File file;
        file.strBytes = strBytes;
        file.strTimeStamp = strStamp;
        file.bFailRewind = bFailRewind;
        m_files.m_files[kPath] = file;
    }
    void PutProfile(int nFilePos, const std::string& strStamp)
    {
        m_registry.PutDword(kTipKey, "FilePos", (DWORD)nFilePos);
        m_registry.PutString(kTipKey, "TimeStamp", strStamp);
    }
    std::unique_ptr<COnePointTips> Make()
    {
        return std::unique_ptr<COnePointTips>(
            new COnePointTips(m_profile, m_files, kPath, &IsCodePage932LeadByte));
    }
    DWORD StoredInt(const char* pszEntry) const
    {
        return m_registry.GetDword(kTipKey, pszEntry);
    }
    std::string StoredString(const char* pszEntry) const
    {
        CFakeRegistry::Value value = m_registry.Get(kTipKey, pszEntry);
        return std::string(value.bytes.begin(), value.bytes.end());
    }

    CFakeRegistry m_registry;
    CProfile m_profile{m_registry};
    CFakeTipsFileSystem m_files;
    CFakeStrings m_strings;
    CScriptedMessageBoxes m_boxes{&m_strings};
};

TEST_F(OnePointTips, FirstStart_ShowsFirstTip_TicksBox_AndStoresStampAndPosition)
{
    PutFile(kTwoTips);
    {
        std::unique_ptr<COnePointTips> pTips = Make();
        EXPECT_EQ(1, pTips->m_bShowAtStartup);
        EXPECT_EQ("first tip\n", pTips->m_strTip);
        EXPECT_EQ(std::string(kStamp) + '\0', StoredString("TimeStamp"));
        EXPECT_EQ((DWORD)REG_SZ, m_registry.Get(kTipKey, "TimeStamp").dwType);
        EXPECT_EQ(FALSE, m_registry.HasValue(kTipKey, "FilePos"));
    }
    EXPECT_EQ((DWORD)REG_DWORD, m_registry.Get(kTipKey, "FilePos").dwType);
    EXPECT_EQ((DWORD)kAfterFirst, StoredInt("FilePos"));
    EXPECT_EQ(FALSE, m_registry.HasValue(kTipKey, "StartUp"));
    EXPECT_EQ(0u, m_boxes.m_shown.size());
    ASSERT_EQ(1u, m_files.m_opened.size());
    EXPECT_EQ(kPath, m_files.m_opened[0]);
}

TEST_F(OnePointTips, EachConstruction_AdvancesOneTip_AndGoesRoundAtTheEnd)
{
    PutFile(kTwoTips);
    const char* expected[] = {"first tip\n", "second tip\n", "first tip\n", "second tip\n"};
    for (const char* pszTip : expected)
        EXPECT_EQ(pszTip, Make()->m_strTip);
    EXPECT_EQ((DWORD)kAfterSecond, StoredInt("FilePos"));
}

TEST_F(OnePointTips, ReadNextTip_SkipsCommentBlankAndIndentedLines_AndWrapsRound)
{
    PutFile(kTwoTips);
    std::unique_ptr<COnePointTips> pTips = Make();
    std::string strTip = "left over";
    pTips->ReadNextTip(strTip);
    EXPECT_EQ("second tip\n", strTip);
    pTips->ReadNextTip(strTip);
    EXPECT_EQ("first tip\n", strTip);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(OnePointTips, StoredPosition_IsKept_WhileTheStampIsTheSame)
{
    PutFile(kTwoTips);
    PutProfile(kAfterFirst, kStamp);
    EXPECT_EQ("second tip\n", Make()->m_strTip);
    EXPECT_EQ((DWORD)kAfterSecond, StoredInt("FilePos"));
}

TEST_F(OnePointTips, ChangedStamp_RestartsAtTheTop_AndStoresTheNewStamp)
{
    PutFile(kTwoTips, "Tue Feb 02 08:00:00 1999");
    PutProfile(kAfterFirst, kStamp);
    EXPECT_EQ("first tip\n", Make()->m_strTip);
    EXPECT_EQ(std::string("Tue Feb 02 08:00:00 1999") + '\0', StoredString("TimeStamp"));
}

TEST_F(OnePointTips, StampComparison_IsCaseSensitive)
{
    PutFile(kTwoTips, "MON JAN 04 10:20:30 1999");
    PutProfile(kAfterFirst, kStamp);
    EXPECT_EQ("first tip\n", Make()->m_strTip);
}

TEST_F(OnePointTips, PositionBeyondTheEnd_ShowsTheFirstTip_WithoutABox)
{
    PutFile(kTwoTips);
    PutProfile(5000, kStamp);
    EXPECT_EQ("first tip\n", Make()->m_strTip);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(OnePointTips, NegativePosition_Reports110_AndLeavesTheTipEmpty)
{
    PutFile(kTwoTips);
    PutProfile(-7, kStamp);
    {
        std::unique_ptr<COnePointTips> pTips = Make();
        EXPECT_EQ("", pTips->m_strTip);
        ASSERT_EQ(1u, m_boxes.m_shown.size());
        EXPECT_EQ(kError, m_boxes.m_shown[0].strText);
        EXPECT_EQ("Velloric", m_boxes.m_shown[0].strCaption);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), m_boxes.m_shown[0].nType);
        // The dialog still has its file: Next tip reads from the top.
        std::string strTip;
        pTips->ReadNextTip(strTip);
        EXPECT_EQ("first tip\n", strTip);
    }
    EXPECT_EQ((DWORD)kAfterFirst, StoredInt("FilePos"));
}

TEST_F(OnePointTips, MissingFile_ShowsString109_WithoutBox_AndLeavesTheProfileAlone)
{
    PutProfile(kAfterFirst, kStamp);
    {
        std::unique_ptr<COnePointTips> pTips = Make();
        EXPECT_EQ(kAbsent, pTips->m_strTip);
        EXPECT_EQ(nullptr, pTips->m_pTipsFile.get());
        std::string strTip = "x";
        pTips->ReadNextTip(strTip);
        EXPECT_EQ("", strTip);
    }
    EXPECT_EQ(0u, m_boxes.m_shown.size());
    EXPECT_EQ((DWORD)kAfterFirst, StoredInt("FilePos"));
    EXPECT_EQ(std::string(kStamp) + '\0', StoredString("TimeStamp"));
}

TEST_F(OnePointTips, FileWithoutTips_EndsTheSearch_WithAnEmptyTip)
{
    for (const char* pszBytes : {"", "; only\n\n  comments\n\t\n", "\n"})
    {
        SCOPED_TRACE(pszBytes);
        PutFile(pszBytes);
        std::unique_ptr<COnePointTips> pTips = Make();
        EXPECT_EQ("", pTips->m_strTip);
        std::string strTip = "x";
        pTips->ReadNextTip(strTip);
        EXPECT_EQ("", strTip);
    }
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(OnePointTips, FailedRewindAtTheEnd_Reports110_AndTheSearchGoesOn)
{
    PutFile(kTwoTips, kStamp, TRUE);
    PutProfile(kAfterSecond, kStamp);
    std::unique_ptr<COnePointTips> pTips = Make();
    // At the end, the rewind fails, the next read finds the end again: no tip.
    EXPECT_EQ("", pTips->m_strTip);
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(kError, m_boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), m_boxes.m_shown[0].nType);
}

TEST_F(OnePointTips, StartUpEntry_DecidesTheBox_AndCloseStoresItInverted)
{
    PutFile(kTwoTips);
    struct
    {
        DWORD dwStored;
        int nShow;
    } cases[] = {{0, 1}, {1, 0}, {5, 0}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.dwStored);
        m_registry.PutDword(kTipKey, "StartUp", c.dwStored);
        EXPECT_EQ(c.nShow, Make()->m_bShowAtStartup);
    }
    std::unique_ptr<COnePointTips> pTips = Make();
    pTips->m_bShowAtStartup = 0;
    pTips->SaveShowAtStartup();
    EXPECT_EQ(1u, StoredInt("StartUp"));
    EXPECT_EQ((DWORD)REG_DWORD, m_registry.Get(kTipKey, "StartUp").dwType);
    pTips->m_bShowAtStartup = 1;
    pTips->SaveShowAtStartup();
    EXPECT_EQ(0u, StoredInt("StartUp"));
}

TEST_F(OnePointTips, BackslashN_BecomesALineBreak_AndTheClosingLineFeedStays)
{
    PutFile("one\\ntwo\\n\\nthree\\\\n\\x\n");
    EXPECT_EQ("one\ntwo\n\nthree\\\n\\x\n", Make()->m_strTip);
}

TEST_F(OnePointTips, DoubleByteCharacter_WithBackslashTrail_IsNotALineBreak)
{
    // "\x95\x5c" is one character in code page 932; its trail byte is a backslash.
    PutFile("\x95\x5cn and \x95\x5c\\n\n");
    EXPECT_EQ("\x95\x5cn and \x95\x5c\n\n", Make()->m_strTip);
}

TEST_F(OnePointTips, LongLine_IsReadAsLinesOf999Bytes)
{
    std::string strLong(999, 'a');
    strLong += std::string(600, 'b');
    PutFile(strLong + "\n" + "next\n");
    std::unique_ptr<COnePointTips> pTips = Make();
    EXPECT_EQ(std::string(999, 'a'), pTips->m_strTip);
    std::string strTip;
    pTips->ReadNextTip(strTip);
    EXPECT_EQ(std::string(600, 'b') + "\n", strTip);
    pTips->ReadNextTip(strTip);
    EXPECT_EQ("next\n", strTip);
}

TEST_F(OnePointTips, LeadByteCutOffAt999Bytes_IsDropped_AndTheRestIsTheNextLine)
{
    // 998 bytes, then a character whose lead byte is the 999th byte read.
    PutFile(std::string(998, 'a') + "\x82\xa0" + "z\n");
    std::unique_ptr<COnePointTips> pTips = Make();
    EXPECT_EQ(std::string(998, 'a'), pTips->m_strTip);
    std::string strTip;
    pTips->ReadNextTip(strTip);
    EXPECT_EQ("\xa0z\n", strTip);
}

TEST_F(OnePointTips, LineWithAZeroByte_EndsThere)
{
    PutFile(std::string("ab\0cd\n", 6) + "next\n");
    std::unique_ptr<COnePointTips> pTips = Make();
    EXPECT_EQ("ab", pTips->m_strTip);
    std::string strTip;
    pTips->ReadNextTip(strTip);
    EXPECT_EQ("next\n", strTip);
}

TEST(OnePointTipLine, Copy_StopsAtTheBufferEnd_WithoutATerminator)
{
    std::string strOut;
    COnePointTips::CopyTipLine("ab\\", 3, &IsCodePage932LeadByte, strOut);
    EXPECT_EQ("ab\\", strOut);
    strOut.clear();
    COnePointTips::CopyTipLine("ab\x95\x5c", 3, &IsCodePage932LeadByte, strOut);
    EXPECT_EQ("ab", strOut);
}

TEST(OnePointTipsPath, IsTipsTxt_InTheModulesDirectory)
{
    struct
    {
        const char* pszModule;
        const char* pszTips;
    } cases[] = {
        {"C:\\Program Files\\Velloric\\velloric.exe", "C:\\Program Files\\Velloric\\tips.txt"},
        {"C:\\velloric.exe", "C:\\tips.txt"},
        {"C:velloric.exe", "C:tips.txt"},
        {"velloric.exe", "tips.txt"},
        {"\\\\server\\share\\v.exe", "\\\\server\\share\\tips.txt"},
        {"C:\\tools\\\x95\x5c\\v.exe", "C:\\tools\\\x95\x5c\\tips.txt"},
        // The last byte 0x5c is a trail byte, not a separator.
        {"C:\\tools\\\x95\x5c.exe", "C:\\tools\\tips.txt"},
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.pszModule);
        EXPECT_EQ(c.pszTips, COnePointTips::TipsFilePathBeside(c.pszModule, &IsCodePage932LeadByte));
    }
}

TEST(LeadByte, CodePage932Ranges)
{
    EXPECT_EQ(FALSE, IsCodePage932LeadByte(0x80));
    EXPECT_EQ(TRUE, IsCodePage932LeadByte(0x81));
    EXPECT_EQ(TRUE, IsCodePage932LeadByte(0x9F));
    EXPECT_EQ(FALSE, IsCodePage932LeadByte(0xA0));
    EXPECT_EQ(FALSE, IsCodePage932LeadByte(0xDF)); // half-width katakana: one byte
    EXPECT_EQ(TRUE, IsCodePage932LeadByte(0xE0));
    EXPECT_EQ(TRUE, IsCodePage932LeadByte(0xFC));
    EXPECT_EQ(FALSE, IsCodePage932LeadByte(0xFD));
    EXPECT_EQ(FALSE, IsCodePage932LeadByte('\\'));
}
