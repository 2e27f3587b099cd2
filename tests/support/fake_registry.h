// An in-memory registry for tests: keys by path under each root, values with
// their type and bytes, every call logged, and faults to inject per call.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

class CFakeRegistry : public IRegistry
{
public:
    struct Value
    {
        DWORD dwType = REG_NONE;
        std::vector<BYTE> bytes;
    };

    // Faults: a nonzero code makes every call of that kind fail with it.
    LONG m_lCreateError = ERROR_SUCCESS;
    LONG m_lOpenError = ERROR_SUCCESS;
    LONG m_lQueryError = ERROR_SUCCESS;
    LONG m_lSetError = ERROR_SUCCESS;
    LONG m_lDeleteError = ERROR_SUCCESS;

    // Faults by name: a nonzero code makes every call on this value (query, set, delete) fail.
    std::string m_strFailValue;
    LONG m_lFailValueError = ERROR_SUCCESS;

    // One line per call, e.g. "CreateKey HKLM\SYSTEM\... options=0 access=0x2001f".
    std::vector<std::string> m_log;

    // The nth call (from 1) whose log line starts with strCall ("" counts
    // every call) fails with lError.
    void FailCall(const std::string& strCall, int nth, LONG lError);
    // Just before the nth call whose log line starts with strCall, another
    // program sets the value to these bytes (REG_BINARY), or deletes it.
    void ChangeBefore(const std::string& strCall, int nth, const std::string& strKeyPath,
                      const std::string& strName, const std::vector<BYTE>& bytes);
    void DeleteBefore(const std::string& strCall, int nth, const std::string& strKeyPath,
                      const std::string& strName);

    LONG CreateKey(HKEY hRoot, const char* pszSubKey, DWORD dwOptions, DWORD samDesired,
                   HKEY* phKey) override;
    LONG OpenKey(HKEY hRoot, const char* pszSubKey, DWORD samDesired, HKEY* phKey) override;
    LONG QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData,
                    DWORD* pcbData) override;
    LONG SetValue(HKEY hKey, const char* pszName, DWORD dwType, const BYTE* pData,
                  DWORD cbData) override;
    LONG DeleteValue(HKEY hKey, const char* pszName) override;
    LONG CloseKey(HKEY hKey) override;

    // Direct access for arranging and checking, by full path such as
    // "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout" (case-insensitive).
    void Put(const std::string& strKeyPath, const std::string& strName, DWORD dwType,
             const std::vector<BYTE>& bytes);
    void Delete(const std::string& strKeyPath, const std::string& strName);
    void PutDword(const std::string& strKeyPath, const std::string& strName, DWORD dwValue);
    void PutString(const std::string& strKeyPath, const std::string& strName,
                   const std::string& strValue);
    BOOL HasKey(const std::string& strKeyPath) const;
    BOOL HasValue(const std::string& strKeyPath, const std::string& strName) const;
    Value Get(const std::string& strKeyPath, const std::string& strName) const;
    // The value's first four bytes, little-endian (fewer when it is shorter; 0 when missing).
    DWORD GetDword(const std::string& strKeyPath, const std::string& strName) const;
    int OpenHandleCount() const { return (int)m_handles.size(); }

private:
    struct Rule
    {
        std::string strCall;
        int nth;
        int nSeen;
        LONG lError;          // a fault, or
        BOOL bDelete;         // a change made by another program
        std::string strKeyPath;
        std::string strName;
        std::vector<BYTE> bytes;
    };
    // Logs the call, runs the rules due at it; the fault to answer, or ERROR_SUCCESS.
    LONG Call(const std::string& strLine);
    LONG NameFault(const char* pszName) const;

    static std::string Fold(const std::string& str);
    std::string PathOf(HKEY hRoot, const char* pszSubKey) const;
    const std::string* KeyOf(HKEY hKey) const;

    std::map<std::string, std::map<std::string, Value>> m_keys; // folded path -> folded name -> value
    std::map<HKEY, std::string> m_handles;
    uintptr_t m_nextHandle = 0x1000;
    std::vector<Rule> m_rules;
};
