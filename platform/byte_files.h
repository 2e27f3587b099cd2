// Whole files as bytes, for export and import: the C library in the
// program, a map of names to bytes in tests.
#pragma once

#include <string>
#include <vector>

#include "platform/platform_types.h"

class IByteFiles
{
public:
    enum
    {
        MAX_FILE_SIZE = 16 * 1024 * 1024 // far beyond any file of mappings
    };

    virtual ~IByteFiles() {}
    // The file's bytes; FALSE (with the reason in *pstrError) when it cannot
    // be read whole or is longer than MAX_FILE_SIZE.
    virtual BOOL ReadFile(const std::string& strPath, std::vector<BYTE>* pBytes,
                          std::string* pstrError) = 0;
    // Creates or replaces the file in one step: the bytes go to a new file in
    // the same folder, which then takes the target's place. FALSE, with the
    // reason given by the call that failed in *pstrError, leaves the target
    // as it was and no new file behind.
    virtual BOOL WriteFile(const std::string& strPath, const std::vector<BYTE>& bytes,
                           std::string* pstrError) = 0;
};
