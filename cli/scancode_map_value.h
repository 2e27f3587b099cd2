// The registry's "Scancode Map" as the console program reaches it, with the
// registry's own result codes so that a refusal can be told apart from an
// absence. Read asks for read access only, so that list and export work for
// every user; Write and Delete need an administrator's write access. The
// key is opened for each call and closed again.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

class CScancodeMapValue
{
public:
    enum
    {
        MAX_READ = 1024 * 1024, // no table comes near; a value beyond it is not read
        // Bit 29 makes it a code of our own, never one of the system's.
        CHANGED_SINCE_READ = 0x20000001
    };

    explicit CScancodeMapValue(IRegistry& registry)
        : m_registry(registry), m_bCheckWrites(FALSE), m_bRead(FALSE),
          m_lReadResult(ERROR_SUCCESS), m_cbRead(0)
    {
    }

    // Forgets the last read. With bCheckWrites, Write and Delete after a Read
    // first read the value again and refuse with CHANGED_SINCE_READ when it
    // is not what that Read found: another program wrote it in between.
    void Reset(BOOL bCheckWrites);

    // ERROR_SUCCESS with every byte of the value, whatever its length up to
    // MAX_READ; ERROR_FILE_NOT_FOUND when the key or the value is missing;
    // otherwise the registry's code (ERROR_MORE_DATA past MAX_READ, with
    // the value's length in *pcbValue and no bytes, or when the value kept
    // growing while it was read, with *pcbValue 0).
    LONG Read(std::vector<BYTE>* pBytes, DWORD* pcbValue);
    // Creates the key when needed and sets the value as REG_BINARY.
    LONG Write(const std::vector<BYTE>& bytes);
    // ERROR_FILE_NOT_FOUND when there is no key or value to delete.
    LONG Delete();

    // A result code for a message, with the reason for the usual ones:
    // "error 5, access denied: run it as an administrator".
    static std::string DescribeResult(LONG lResult);

private:
    LONG ReadNow(std::vector<BYTE>* pBytes, DWORD* pcbValue);
    BOOL ChangedSinceRead();

    IRegistry& m_registry;
    BOOL m_bCheckWrites;
    BOOL m_bRead; // whether Read ran since Reset, and what it found:
    LONG m_lReadResult;
    DWORD m_cbRead;
    std::vector<BYTE> m_readBytes;
};
