// Whole files through the C library's streams, opened in binary. A file is
// written beside its target and renamed over it, which replaces the target
// in one step where rename does (POSIX); Windows needs its own writer.
#pragma once

#include <cstdio>

#include "platform/byte_files.h"

class CStdioByteFiles : public IByteFiles
{
public:
    BOOL ReadFile(const std::string& strPath, std::vector<BYTE>* pBytes,
                  std::string* pstrError) override;
    BOOL WriteFile(const std::string& strPath, const std::vector<BYTE>& bytes,
                   std::string* pstrError) override;

private:
    // A new file beside strPath, open for writing; its name in *pstrTemp.
    static std::FILE* OpenTemporary(const std::string& strPath, std::string* pstrTemp,
                                    std::string* pstrError);
};
