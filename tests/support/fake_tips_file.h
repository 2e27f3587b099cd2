// Tips files in memory: contents, time stamp and faults as a test wants them,
// read with the C library's line semantics (at most size - 1 bytes, up to and
// including a line feed).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/tips_file.h"

class CMemoryTipsFile : public ITipsFile
{
public:
    CMemoryTipsFile(const std::string& strBytes, const std::string& strTimeStamp,
                    BOOL bFailRewind)
        : m_strBytes(strBytes), m_strTimeStamp(strTimeStamp), m_bFailRewind(bFailRewind)
    {
    }

    BOOL ReadLine(char* pBuffer, int nSize) override;
    BOOL Seek(long lOffset) override;
    long Tell() override { return m_lPos; }
    std::string TimeStamp() override { return m_strTimeStamp; }

private:
    std::string m_strBytes;
    std::string m_strTimeStamp;
    BOOL m_bFailRewind; // every seek to 0 fails
    long m_lPos = 0;
};

class CFakeTipsFileSystem : public ITipsFileSystem
{
public:
    struct File
    {
        std::string strBytes;
        std::string strTimeStamp;
        BOOL bFailRewind = FALSE;
    };

    std::unique_ptr<ITipsFile> Open(const std::string& strPath) override;

    std::map<std::string, File> m_files;  // by path; a missing path cannot be opened
    std::vector<std::string> m_opened;    // every path asked for
};
