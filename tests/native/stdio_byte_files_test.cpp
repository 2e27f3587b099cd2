// The C library's file writer: a write that fails half way (here a file-size
// limit, as a full disk would) leaves the old file and nothing else behind.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <set>
#include <string>

#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/stdio_byte_files.h"

namespace
{
std::set<std::string> FilesIn(const std::string& strFolder)
{
    std::set<std::string> names;
    if (DIR* pDir = opendir(strFolder.c_str()))
    {
        while (dirent* pEntry = readdir(pDir))
            if (std::strcmp(pEntry->d_name, ".") != 0 && std::strcmp(pEntry->d_name, "..") != 0)
                names.insert(pEntry->d_name);
        closedir(pDir);
    }
    return names;
}
} // namespace

TEST(StdioByteFiles, WriteFailingHalfWay_KeepsTheOldFile_RemovesItsCopy_AndGivesThatWritesError)
{
    char szFolder[] = "/tmp/velloric_files_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(szFolder));
    const std::string strPath = std::string(szFolder) + "/keys.reg";
    CStdioByteFiles files;
    std::string strError;
    const std::vector<BYTE> old = {'o', 'l', 'd'};
    ASSERT_EQ(TRUE, files.WriteFile(strPath, old, &strError));

    // 4 KB fit, the rest fails with EFBIG: a disk that fills up during the write.
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    rlimit small = limit;
    small.rlim_cur = 4096;
    void (*pfnOld)(int) = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    BOOL bWritten = files.WriteFile(strPath, std::vector<BYTE>(65536, 'x'), &strError);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, pfnOld);

    EXPECT_EQ(FALSE, bWritten);
    EXPECT_EQ(std::strerror(EFBIG), strError);
    std::vector<BYTE> bytes;
    ASSERT_EQ(TRUE, files.ReadFile(strPath, &bytes, &strError));
    EXPECT_EQ(old, bytes);
    EXPECT_EQ(std::set<std::string>{"keys.reg"}, FilesIn(szFolder));

    std::remove(strPath.c_str());
    rmdir(szFolder);
}
