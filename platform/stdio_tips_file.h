// The tips file through the C library's stream functions.
#pragma once

#include <cstdio>

#include "platform/tips_file.h"

class CStdioTipsFile : public ITipsFile
{
public:
    // Takes the stream over and closes it at the end.
    explicit CStdioTipsFile(std::FILE* pFile) : m_pFile(pFile) {}
    ~CStdioTipsFile() override;

    BOOL ReadLine(char* pBuffer, int nSize) override;
    BOOL Seek(long lOffset) override;
    long Tell() override;
    std::string TimeStamp() override;

private:
    CStdioTipsFile(const CStdioTipsFile&) = delete;
    CStdioTipsFile& operator=(const CStdioTipsFile&) = delete;

    std::FILE* m_pFile;
};

class CStdioTipsFileSystem : public ITipsFileSystem
{
public:
    std::unique_ptr<ITipsFile> Open(const std::string& strPath) override;
};
