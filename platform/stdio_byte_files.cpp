#include "platform/stdio_byte_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{
std::string ReasonOf(int nError)
{
    return nError != 0 ? std::strerror(nError) : "input/output error";
}
} // namespace

BOOL CStdioByteFiles::ReadFile(const std::string& strPath, std::vector<BYTE>* pBytes,
                               std::string* pstrError)
{
    pBytes->clear();
    errno = 0;
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (pFile == nullptr)
    {
        *pstrError = ReasonOf(errno);
        return FALSE;
    }
    BYTE buffer[4096];
    BOOL bOk = TRUE;
    for (;;)
    {
        size_t cbRead = std::fread(buffer, 1, sizeof buffer, pFile);
        pBytes->insert(pBytes->end(), buffer, buffer + cbRead);
        if (pBytes->size() > (size_t)MAX_FILE_SIZE)
        {
            *pstrError = "the file is longer than 16 MB";
            bOk = FALSE;
            break;
        }
        if (cbRead < sizeof buffer)
        {
            if (std::ferror(pFile))
            {
                *pstrError = ReasonOf(errno);
                bOk = FALSE;
            }
            break;
        }
    }
    std::fclose(pFile);
    if (!bOk)
        pBytes->clear();
    return bOk;
}

BOOL CStdioByteFiles::WriteFile(const std::string& strPath, const std::vector<BYTE>& bytes,
                                std::string* pstrError)
{
    errno = 0;
    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (pFile == nullptr)
    {
        *pstrError = ReasonOf(errno);
        return FALSE;
    }
    BOOL bOk = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
    int nError = errno;
    // A full disk may only show when the buffer goes out.
    if (std::fclose(pFile) != 0 && bOk)
    {
        bOk = FALSE;
        nError = errno;
    }
    if (!bOk)
        *pstrError = ReasonOf(nError);
    return bOk;
}
