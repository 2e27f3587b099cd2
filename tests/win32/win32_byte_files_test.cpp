// The Windows file writer: the target is replaced whole or left as it was,
// with no copy left beside it, and the reason is that of the call that failed.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/win32/win32_byte_files.h"
#include "tests/win32/win32_test_support.h"

namespace
{
std::set<std::string> FilesIn(const std::string& strFolder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA((strFolder + "\\*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
        if (found.cFileName[0] != '.')
            names.insert(found.cFileName);
    while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
    return names;
}

std::string SystemText(DWORD dwError)
{
    char sz[512] = "";
    DWORD cch = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL,
                                 dwError, 0, sz, sizeof sz, NULL);
    std::string strText(sz, cch);
    while (!strText.empty() && (strText.back() == '\n' || strText.back() == '\r' ||
                                strText.back() == ' '))
        strText.pop_back();
    return strText;
}
} // namespace

TEST(Win32ByteFiles, Write_ReplacesTheFileWhole_OrLeavesItAsItWas_WithTheFailingCallsReason)
{
    const std::string strFolder = wintest::BesideTestExe("byte_files_test");
    ::CreateDirectoryA(strFolder.c_str(), NULL);
    const std::string strPath = strFolder + "\\keys.reg";
    ::DeleteFileA(strPath.c_str());
    CWin32ByteFiles files;
    std::string strError;
    const std::vector<BYTE> older = {'o', 'l', 'd'};
    const std::vector<BYTE> newer(70000, 'n');
    ASSERT_EQ(TRUE, files.WriteFile(strPath, older, &strError));
    ASSERT_EQ(TRUE, files.WriteFile(strPath, newer, &strError)) << strError;
    std::vector<BYTE> bytes;
    ASSERT_EQ(TRUE, files.ReadFile(strPath, &bytes, &strError));
    EXPECT_EQ(newer, bytes);

    // The move over a file another program holds open is refused: the copy
    // goes, the file stays.
    HANDLE hHeld = ::CreateFileA(strPath.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    EXPECT_EQ(FALSE, files.WriteFile(strPath, older, &strError));
    ::CloseHandle(hHeld);
    EXPECT_EQ(SystemText(ERROR_ACCESS_DENIED), strError);
    ASSERT_EQ(TRUE, files.ReadFile(strPath, &bytes, &strError));
    EXPECT_EQ(newer, bytes);
    EXPECT_EQ(std::set<std::string>{"keys.reg"}, FilesIn(strFolder));

    // No copy can be made in a folder that does not exist.
    EXPECT_EQ(FALSE, files.WriteFile(strFolder + "\\none\\keys.reg", older, &strError));
    EXPECT_EQ(SystemText(ERROR_DIRECTORY), strError);

    ::DeleteFileA(strPath.c_str());
    ::RemoveDirectoryA(strFolder.c_str());
}
