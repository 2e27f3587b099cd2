// The manuals as F1 opens them, beside the program: every picture, stylesheet
// and page a manual refers to is there as well, so a picture renamed, or a
// file the build does not copy, cannot leave a manual broken unnoticed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/stdio_byte_files.h"
#include "tests/win32/win32_test_support.h"

namespace
{
// The values of every src="..." and href="..." that name a file of our own:
// no web address, no mail link, no place in the same page.
std::vector<std::string> LocalReferences(const std::string& strHtml)
{
    std::vector<std::string> refs;
    for (const char* pszAttribute : {" src=\"", " href=\""})
    {
        const std::string strAttribute = pszAttribute;
        for (size_t pos = strHtml.find(strAttribute); pos != std::string::npos;
             pos = strHtml.find(strAttribute, pos + 1))
        {
            size_t nStart = pos + strAttribute.size();
            size_t nEnd = strHtml.find('"', nStart);
            std::string strRef = strHtml.substr(nStart, nEnd - nStart);
            strRef = strRef.substr(0, strRef.find('#'));
            if (strRef.empty() || strRef.find(':') != std::string::npos)
                continue;
            refs.push_back(strRef);
        }
    }
    return refs;
}

BOOL EndsWith(const std::string& strText, const char* pszEnding)
{
    std::string strEnding = pszEnding;
    return strText.size() >= strEnding.size() &&
           strText.compare(strText.size() - strEnding.size(), std::string::npos, strEnding) == 0;
}
} // namespace

TEST(ManualFiles, EveryFileAManualRefersTo_IsBesideTheProgram)
{
    for (const char* pszManual : {"velloricman.html", "velloricman-e.html"})
    {
        std::vector<BYTE> bytes;
        std::string strError;
        ASSERT_EQ(TRUE, CStdioByteFiles().ReadFile(wintest::BesideTestExe(pszManual), &bytes, &strError))
            << pszManual << ": " << strError;
        const std::string strHtml(bytes.begin(), bytes.end());
        int nPictures = 0;
        int nStylesheets = 0;
        for (std::string strRef : LocalReferences(strHtml))
        {
            nPictures += EndsWith(strRef, ".png") ? 1 : 0;
            nStylesheets += EndsWith(strRef, ".css") ? 1 : 0;
            for (char& c : strRef)
                if (c == '/')
                    c = '\\';
            EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(wintest::BesideTestExe(strRef).c_str()))
                << pszManual << " refers to " << strRef << ", which is not beside the program";
        }
        // A manual whose references were not found at all would pass unseen.
        EXPECT_GT(nPictures, 0) << pszManual;
        EXPECT_GT(nStylesheets, 0) << pszManual;
    }
}
