// The framework's per-user profile: entries in sections under
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>.
// Every read and write opens that path afresh, creating each missing key on
// the way (so even a read leaves the keys behind), and closes it again.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

class CProfile
{
public:
    explicit CProfile(IRegistry& registry);

    // Until this is called (with two non-empty names) reads give their
    // defaults and writes fail, without touching the registry.
    void SetRegistryKey(const char* pszCompany, const char* pszAppName);

    // The stored value when the entry is a REG_DWORD of exactly four bytes,
    // else nDefault.
    int GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault);
    BOOL WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue);

    // A REG_SZ entry's text up to its first terminator (or its end when the
    // stored bytes carry none); pszDefault, or the empty text when that is
    // nullptr, for a missing or non-REG_SZ entry.
    std::string GetProfileString(const char* pszSection, const char* pszEntry,
                                 const char* pszDefault = nullptr);
    // pszValue nullptr deletes the entry.
    BOOL WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue);

    // A copy of a REG_BINARY entry's bytes; FALSE (and *pData emptied) when it
    // is missing, of another type or unreadable.
    BOOL GetProfileBinary(const char* pszSection, const char* pszEntry, std::vector<BYTE>* pData);
    BOOL WriteProfileBinary(const char* pszSection, const char* pszEntry, const BYTE* pData,
                            UINT nBytes);

    enum
    {
        MAX_VALUE_BYTES = 1 << 20 // larger entries are not ours: read as missing
    };

private:
    HKEY OpenSectionKey(const char* pszSection); // nullptr when it cannot be opened
    BOOL ReadValue(const char* pszSection, const char* pszEntry, DWORD* pdwType,
                   std::vector<BYTE>* pBytes);
    BOOL WriteValue(const char* pszSection, const char* pszEntry, DWORD dwType,
                    const BYTE* pData, DWORD cbData);

    IRegistry& m_registry;
    std::string m_strCompany;
    std::string m_strAppName;
};
