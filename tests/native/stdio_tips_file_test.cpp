// The tips file through the C library: lines, positions, the time stamp.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "platform/stdio_tips_file.h"

class StdioTipsFile : public ::testing::Test
{
protected:
    StdioTipsFile()
    {
        char szTemplate[] = "/tmp/velloric_tips_XXXXXX";
        int fd = mkstemp(szTemplate);
        if (fd >= 0)
            close(fd);
        m_strPath = szTemplate;
    }
    ~StdioTipsFile() override { std::remove(m_strPath.c_str()); }

    void Write(const std::string& strBytes)
    {
        std::FILE* pFile = std::fopen(m_strPath.c_str(), "wb");
        ASSERT_NE(nullptr, pFile);
        std::fwrite(strBytes.data(), 1, strBytes.size(), pFile);
        std::fclose(pFile);
    }

    std::string m_strPath;
    CStdioTipsFileSystem m_files;
};

TEST_F(StdioTipsFile, ReadsLineByLine_AndTellsThePositionAfterEach)
{
    Write("one\ntwo\n");
    std::unique_ptr<ITipsFile> pFile = m_files.Open(m_strPath);
    ASSERT_NE(nullptr, pFile.get());
    char szLine[1000];
    ASSERT_EQ(TRUE, pFile->ReadLine(szLine, sizeof szLine));
    EXPECT_STREQ("one\n", szLine);
    EXPECT_EQ(4, pFile->Tell());
    ASSERT_EQ(TRUE, pFile->ReadLine(szLine, sizeof szLine));
    EXPECT_STREQ("two\n", szLine);
    EXPECT_EQ(FALSE, pFile->ReadLine(szLine, sizeof szLine));
    EXPECT_EQ(TRUE, pFile->Seek(4));
    ASSERT_EQ(TRUE, pFile->ReadLine(szLine, sizeof szLine));
    EXPECT_STREQ("two\n", szLine);
}

TEST_F(StdioTipsFile, LongLine_IsCutAtTheBufferSize)
{
    Write(std::string(1500, 'x') + "\n");
    std::unique_ptr<ITipsFile> pFile = m_files.Open(m_strPath);
    ASSERT_NE(nullptr, pFile.get());
    char szLine[1000];
    ASSERT_EQ(TRUE, pFile->ReadLine(szLine, sizeof szLine));
    EXPECT_EQ(std::string(999, 'x'), szLine);
    EXPECT_EQ(999, pFile->Tell());
}

TEST_F(StdioTipsFile, NegativeSeekFails_ASeekBeyondTheEndDoesNot)
{
    Write("one\n");
    std::unique_ptr<ITipsFile> pFile = m_files.Open(m_strPath);
    ASSERT_NE(nullptr, pFile.get());
    EXPECT_EQ(FALSE, pFile->Seek(-1));
    EXPECT_EQ(TRUE, pFile->Seek(100));
    char szLine[1000];
    EXPECT_EQ(FALSE, pFile->ReadLine(szLine, sizeof szLine));
}

TEST_F(StdioTipsFile, TimeStamp_IsTheCTimeTextWithoutItsLineFeed)
{
    Write("one\n");
    std::unique_ptr<ITipsFile> pFile = m_files.Open(m_strPath);
    ASSERT_NE(nullptr, pFile.get());
    std::string strStamp = pFile->TimeStamp();
    // "Www Mmm dd hh:mm:ss yyyy"
    ASSERT_EQ(24u, strStamp.size()) << strStamp;
    EXPECT_EQ(' ', strStamp[3]);
    EXPECT_EQ(':', strStamp[13]);
    EXPECT_EQ(':', strStamp[16]);
    EXPECT_EQ(strStamp, pFile->TimeStamp());
}

TEST_F(StdioTipsFile, MissingFile_CannotBeOpened)
{
    std::remove(m_strPath.c_str());
    EXPECT_EQ(nullptr, m_files.Open(m_strPath).get());
    EXPECT_EQ(nullptr, m_files.Open("").get());
}
