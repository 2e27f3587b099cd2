// The registry's "Scancode Map": where it lives, how a value of it reads,
// and the one reader and writer of it, with the registry's own result codes
// so that a refusal can be told apart from an absence.
//
// Without a key handed in (the console program), each call opens the key
// and closes it again: Read asks for read access only, so that list and
// export work for every user; Write and Delete need an administrator's
// write access. The program's store hands in the key it holds open.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

class CScancodeMapValue
{
public:
    static const char* const s_pszRootedKeyPath; // "HKEY_LOCAL_MACHINE\SYSTEM\...\Keyboard Layout"
    static const char* const s_pszKeyPath;       // the same under HKEY_LOCAL_MACHINE
    static const char* const s_pszValueName;     // Scancode Map
    static const char* const s_pszQuotedName;    // "Scancode Map", as a .reg file and messages write it

    // How a value reads. One that is there but not read in full is worth
    // telling the user: writing would replace it.
    enum EReadOutcome
    {
        READ_NOTHING,  // no key open, no value, or the value refused
        READ_WHOLE,    // every entry the value claims was read
        READ_TOO_LONG, // longer than the 4096-byte image: nothing read
        READ_CUT_SHORT, // its header or count does not fit its bytes: what fits was read
        READ_EXTRA_BYTES // bytes past the end its count gives: the table was read, they were not
    };

    enum
    {
        MAX_READ = 1024 * 1024, // no table comes near; a value beyond it is not read
        // Bit 29 makes it a code of our own, never one of the system's.
        CHANGED_SINCE_READ = 0x20000001
    };

    explicit CScancodeMapValue(IRegistry& registry);

    // How a value of cbValue bytes reads: too long past the image, cut short
    // when it lacks what its header claims, extra bytes when it holds more
    // than its count's entries and terminator, else whole.
    static EReadOutcome OutcomeOf(const BYTE* pData, DWORD cbValue);
    // "absent", "whole", "tooLong", "cutShort" or "extraBytes".
    static const char* OutcomeName(EReadOutcome outcome);

    // The key every later call works on, held open by the caller; NULL goes
    // back to opening the key for each call.
    void UseKey(HKEY hKey) { m_hHeldKey = hKey; }

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
    // Takes what the caller read by other means as the last Read.
    void Remember(LONG lResult, const std::vector<BYTE>& bytes, DWORD cbValue);
    // Whether the value differs from what the last Read found, in its bytes
    // or in being there at all; FALSE when nothing was read since Reset.
    BOOL HasChangedSinceRead();
    // Creates the key when needed and sets the value as REG_BINARY.
    LONG Write(const std::vector<BYTE>& bytes);
    // ERROR_FILE_NOT_FOUND when there is no key or value to delete.
    LONG Delete();

    // A result code for a message, with the reason for the usual ones:
    // "error 5, access denied: run it as an administrator".
    static std::string DescribeResult(LONG lResult);

private:
    LONG ReadNow(std::vector<BYTE>* pBytes, DWORD* pcbValue);
    // Writes *pBytes, or deletes the value when pBytes is NULL.
    LONG Change(const std::vector<BYTE>* pBytes);
    LONG OpenKey(DWORD samDesired, BOOL bCreate, HKEY* phKey);
    void CloseKey(HKEY hKey);

    IRegistry& m_registry;
    HKEY m_hHeldKey;
    BOOL m_bCheckWrites;
    BOOL m_bRead; // whether Read ran since Reset, and what it found:
    LONG m_lReadResult;
    DWORD m_cbRead;
    std::vector<BYTE> m_readBytes;
};
