// One registry key held open by its owner: the derived class says which key
// (Open), this class creates it on first use and closes it on destruction.
// The registry given to the constructor must outlive the object.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/registry.h"

class CRegistryKey
{
public:
    explicit CRegistryKey(IRegistry& registry);
    virtual ~CRegistryKey();

    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // Opens the derived class's own key; nonzero on success.
    virtual BOOL Open() = 0;
    // Creates or opens hRoot\pszSubKey for reading and writing, unless a key is open already.
    virtual BOOL Create(HKEY hRoot, const char* pszSubKey);
    // REG_BINARY; the platform's result code, nonzero (and nothing written) with no key open.
    virtual LONG SetValue(const char* pszName, const BYTE* pData, DWORD cbData);
    // Returns cbBuffer on success, 0 on any failure (no key, missing, refused,
    // longer than cbBuffer). pcbReturned, when given, gets the length the
    // registry actually returned (0 on failure): the buffer beyond it is not
    // data; for a value longer than cbBuffer it gets the value's length.
    // plResult, when given, gets the registry's result code.
    virtual DWORD QueryValue(const char* pszName, BYTE* pBuffer, DWORD cbBuffer,
                             DWORD* pcbReturned = NULL, LONG* plResult = NULL);
    // 0 on success, -1 when the key cannot be opened, else the platform's error code.
    virtual LONG DeleteValue(const char* pszName);

    enum
    {
        QUERY_ATTEMPTS = 4 // reads of a value that another program keeps changing
    };
    // Every byte of hKey's value pszName, whatever its length up to cbMax: the
    // length, then the bytes, asked again with the new length when the value
    // grew in between. ERROR_SUCCESS with the bytes; ERROR_MORE_DATA, without
    // bytes, when it is longer than cbMax (*pcbValue its length) or still
    // growing after QUERY_ATTEMPTS reads (*pcbValue 0); else the registry's code.
    static LONG QueryWholeValue(IRegistry& registry, HKEY hKey, const char* pszName, DWORD cbMax,
                                std::vector<BYTE>* pBytes, DWORD* pcbValue);

protected:
    IRegistry& m_registry;
    HKEY m_hKey; // null until the first successful Open; closed by the destructor
};
