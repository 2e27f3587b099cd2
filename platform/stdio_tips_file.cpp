#include "platform/stdio_tips_file.h"

#include <ctime>

#include <sys/stat.h>
#include <sys/types.h>

CStdioTipsFile::~CStdioTipsFile()
{
    if (m_pFile != nullptr)
        std::fclose(m_pFile);
}

BOOL CStdioTipsFile::ReadLine(char* pBuffer, int nSize)
{
    // The file is open in binary: ftell of a text stream in the Windows C
    // library miscounts a file whose lines end in a bare LF. The text mode's
    // two rules are kept by hand: a CR before an LF is dropped, and Ctrl+Z
    // ends the file. So a CRLF file gives the positions it always gave.
    const int CTRL_Z = 0x1A;
    if (pBuffer == nullptr || nSize <= 0)
        return FALSE;
    int nRead = 0;
    while (nRead < nSize - 1)
    {
        int c = std::getc(m_pFile);
        if (c == EOF)
            break;
        if (c == CTRL_Z)
        {
            std::ungetc(c, m_pFile);
            break;
        }
        if (c == '\r')
        {
            int cNext = std::getc(m_pFile);
            if (cNext == '\n')
                c = '\n';
            else if (cNext != EOF)
                std::ungetc(cNext, m_pFile);
        }
        pBuffer[nRead++] = (char)c;
        if (c == '\n')
            break;
    }
    pBuffer[nRead] = '\0';
    return nRead > 0;
}

BOOL CStdioTipsFile::Seek(long lOffset)
{
    return std::fseek(m_pFile, lOffset, SEEK_SET) == 0;
}

long CStdioTipsFile::Tell()
{
    return std::ftell(m_pFile);
}

std::string CStdioTipsFile::TimeStamp()
{
    const char* pszTime = nullptr;
#ifdef _WIN32
    // The C library of Windows gives the creation time as st_ctime.
    struct _stat64 status;
    if (_fstat64(_fileno(m_pFile), &status) != 0)
        return std::string();
    __time64_t tCreated = status.st_ctime;
    pszTime = _ctime64(&tCreated);
#else
    // Elsewhere st_ctime is the last status change: the last write stands in.
    struct stat status;
    if (fstat(fileno(m_pFile), &status) != 0)
        return std::string();
    std::time_t tWritten = status.st_mtime;
    pszTime = std::ctime(&tWritten);
#endif
    if (pszTime == nullptr)
        return std::string();
    std::string strTime = pszTime;
    size_t cch = strTime.find_last_not_of(" \t\n\v\f\r");
    strTime.resize(cch == std::string::npos ? 0 : cch + 1);
    return strTime;
}

std::unique_ptr<ITipsFile> CStdioTipsFileSystem::Open(const std::string& strPath)
{
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (pFile == nullptr)
        return nullptr;
    return std::unique_ptr<ITipsFile>(new CStdioTipsFile(pFile));
}
