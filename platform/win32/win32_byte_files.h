// Whole files for the program and the console program on Windows: read
// through the C library, written beside the target and moved over it with
// MoveFileEx, so that the target is replaced in one step or not at all.
#pragma once

#include "platform/stdio_byte_files.h"

class CWin32ByteFiles : public CStdioByteFiles
{
public:
    BOOL WriteFile(const std::string& strPath, const std::vector<BYTE>& bytes,
                   std::string* pstrError) override;
};
