// Tips-file positions through the Windows C library (under Wine): whatever
// the file's line ends, the stored position is the byte offset after the line.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/stdio_tips_file.h"

TEST(TipsFilePositions, AreByteOffsets_ForLfCrLfAndCtrlZFiles)
{
    struct Case
    {
        const char* pszWhat;
        std::string strBytes;
        std::vector<std::string> lines;
        std::vector<long> positions;
    };
    const Case cases[] = {
        {"LF", "one\ntwo\nthree\n", {"one\n", "two\n", "three\n"}, {4, 8, 14}},
        {"CR LF", "one\r\ntwo\r\nthree", {"one\n", "two\n", "three"}, {5, 10, 15}},
        {"lone CR", "a\rb\r\n", {"a\rb\n"}, {5}},
        {"Ctrl+Z ends it", "one\r\ntwo\x1Atail\r\n", {"one\n", "two"}, {5, 8}},
    };
    char szDir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szDir);
    const std::string strPath = std::string(szDir) + "velloric_tips_positions.txt";
    CStdioTipsFileSystem files;
    for (const Case& c : cases)
    {
        std::FILE* pOut = std::fopen(strPath.c_str(), "wb");
        ASSERT_NE(nullptr, pOut);
        std::fwrite(c.strBytes.data(), 1, c.strBytes.size(), pOut);
        std::fclose(pOut);

        std::unique_ptr<ITipsFile> pFile = files.Open(strPath);
        ASSERT_NE(nullptr, pFile.get()) << c.pszWhat;
        char szLine[1000];
        for (size_t i = 0; i < c.lines.size(); ++i)
        {
            ASSERT_EQ(TRUE, pFile->ReadLine(szLine, sizeof szLine)) << c.pszWhat << " line " << i;
            EXPECT_EQ(c.lines[i], szLine) << c.pszWhat << " line " << i;
            EXPECT_EQ(c.positions[i], pFile->Tell()) << c.pszWhat << " line " << i;
        }
        EXPECT_EQ(FALSE, pFile->ReadLine(szLine, sizeof szLine)) << c.pszWhat;
        // A stored position takes the search back to the same line.
        ASSERT_EQ(TRUE, pFile->Seek(c.positions[0])) << c.pszWhat;
        if (c.lines.size() > 1)
        {
            ASSERT_EQ(TRUE, pFile->ReadLine(szLine, sizeof szLine)) << c.pszWhat;
            EXPECT_EQ(c.lines[1], szLine) << c.pszWhat;
        }
        pFile.reset();
        std::remove(strPath.c_str());
    }
}
