// Whole files through the C library's streams, opened in binary.
#pragma once

#include "platform/byte_files.h"

class CStdioByteFiles : public IByteFiles
{
public:
    BOOL ReadFile(const std::string& strPath, std::vector<BYTE>* pBytes,
                  std::string* pstrError) override;
    BOOL WriteFile(const std::string& strPath, const std::vector<BYTE>& bytes,
                   std::string* pstrError) override;
};
