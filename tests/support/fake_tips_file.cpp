#include "tests/support/fake_tips_file.h"

#include <cstring>

BOOL CMemoryTipsFile::ReadLine(char* pBuffer, int nSize)
{
    if (nSize <= 1 || m_lPos >= (long)m_strBytes.size())
        return FALSE;
    size_t nFrom = (size_t)m_lPos;
    size_t nEnd = nFrom;
    while (nEnd < m_strBytes.size() && nEnd - nFrom < (size_t)nSize - 1)
    {
        if (m_strBytes[nEnd++] == '\n')
            break;
    }
    std::memcpy(pBuffer, m_strBytes.data() + nFrom, nEnd - nFrom);
    pBuffer[nEnd - nFrom] = '\0';
    m_lPos = (long)nEnd;
    return TRUE;
}

BOOL CMemoryTipsFile::Seek(long lOffset)
{
    if (lOffset < 0 || (lOffset == 0 && m_bFailRewind))
        return FALSE;
    m_lPos = lOffset;
    return TRUE;
}

std::unique_ptr<ITipsFile> CFakeTipsFileSystem::Open(const std::string& strPath)
{
    m_opened.push_back(strPath);
    auto it = m_files.find(strPath);
    if (it == m_files.end())
        return nullptr;
    const File& file = it->second;
    return std::unique_ptr<ITipsFile>(
        new CMemoryTipsFile(file.strBytes, file.strTimeStamp, file.bFailRewind));
}
