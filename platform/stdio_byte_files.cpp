#include "platform/stdio_byte_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
std::string ReasonOf(int nError)
{
    return nError != 0 ? std::strerror(nError) : "input/output error";
}

// The error of the call just made: errno is cleared before each one, so a
// value left by an earlier call is never reported.
int ErrnoOr(int nDefault)
{
    return errno != 0 ? errno : nDefault;
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
    // The target is replaced only by a complete copy: until then a full disk
    // or a failed write leaves it as it was.
    std::string strTemp;
    std::FILE* pFile = OpenTemporary(strPath, &strTemp, pstrError);
    if (pFile == nullptr)
        return FALSE;
    int nError = 0;
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), pFile) != bytes.size())
        nError = ErrnoOr(EIO);
    // A full disk may only show when the buffer goes out.
    errno = 0;
    if (nError == 0 && std::fflush(pFile) != 0)
        nError = ErrnoOr(EIO);
    errno = 0;
    if (std::fclose(pFile) != 0 && nError == 0)
        nError = ErrnoOr(EIO);
    errno = 0;
    if (nError == 0 && std::rename(strTemp.c_str(), strPath.c_str()) != 0)
        nError = ErrnoOr(EIO);
    if (nError == 0)
        return TRUE;
    std::remove(strTemp.c_str());
    *pstrError = ReasonOf(nError);
    return FALSE;
}

std::FILE* CStdioByteFiles::OpenTemporary(const std::string& strPath, std::string* pstrTemp,
                                          std::string* pstrError)
{
    // Beside the target, so that the rename stays within one file system.
    for (int n = 0; n < 100; ++n)
    {
        *pstrTemp = strPath + ".velloric-" + std::to_string(n) + ".tmp";
        if (std::FILE* pExisting = std::fopen(pstrTemp->c_str(), "rb"))
        {
            std::fclose(pExisting);
            continue;
        }
        errno = 0;
        std::FILE* pFile = std::fopen(pstrTemp->c_str(), "wb");
        if (pFile == nullptr)
            *pstrError = ReasonOf(ErrnoOr(EIO));
        return pFile;
    }
    *pstrError = ReasonOf(EEXIST);
    return nullptr;
}
