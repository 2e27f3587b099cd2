#include "model/scancode_map_value.h"

#include <cstddef>
#include <string>

#include "model/registry_key.h"
#include "model/scancode_map_codec.h"

namespace
{
// The key path under the root's name, for a .reg file's section line.
const char s_szRootedKeyPath[] = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
const size_t ROOT_NAME_CHARS = 19; // "HKEY_LOCAL_MACHINE\"
} // namespace

const char* const CScancodeMapValue::s_pszRootedKeyPath = s_szRootedKeyPath;
const char* const CScancodeMapValue::s_pszKeyPath = s_szRootedKeyPath + ROOT_NAME_CHARS;
const char* const CScancodeMapValue::s_pszValueName = "Scancode Map";
const char* const CScancodeMapValue::s_pszQuotedName = "\"Scancode Map\"";

CScancodeMapValue::CScancodeMapValue(IRegistry& registry)
    : m_registry(registry), m_hHeldKey(NULL), m_bCheckWrites(FALSE), m_bRead(FALSE),
      m_lReadResult(ERROR_SUCCESS), m_cbRead(0)
{
}

CScancodeMapValue::EReadOutcome CScancodeMapValue::OutcomeOf(const BYTE* pData, DWORD cbValue)
{
    if (cbValue > (DWORD)CScancodeMapCodec::IMAGE_SIZE)
        return READ_TOO_LONG;
    if (!CScancodeMapCodec::HoldsItsCount(pData, cbValue))
        return READ_CUT_SHORT;
    // A count of 1 or less still leaves room for the terminator.
    DWORD dwCount = CScancodeMapCodec::GetClaimedCount(pData);
    DWORD nEntries = dwCount >= 2 && dwCount <= 0x7FFFFFFFu ? dwCount : 1;
    DWORD cbTable = CScancodeMapCodec::HEADER_SIZE + nEntries * CScancodeMapCodec::ENTRY_SIZE;
    return cbValue > cbTable ? READ_EXTRA_BYTES : READ_WHOLE;
}

const char* CScancodeMapValue::OutcomeName(EReadOutcome outcome)
{
    static const char* const s_names[] = {"absent", "whole", "tooLong", "cutShort", "extraBytes"};
    return s_names[outcome];
}

void CScancodeMapValue::Reset(BOOL bCheckWrites)
{
    m_bCheckWrites = bCheckWrites;
    m_bRead = FALSE;
    m_readBytes.clear();
}

LONG CScancodeMapValue::Read(std::vector<BYTE>* pBytes, DWORD* pcbValue)
{
    LONG lResult = ReadNow(pBytes, pcbValue);
    Remember(lResult, *pBytes, *pcbValue);
    return lResult;
}

void CScancodeMapValue::Remember(LONG lResult, const std::vector<BYTE>& bytes, DWORD cbValue)
{
    m_lReadResult = lResult;
    m_cbRead = cbValue;
    m_readBytes = bytes;
    m_bRead = TRUE;
}

BOOL CScancodeMapValue::HasChangedSinceRead()
{
    if (!m_bRead)
        return FALSE;
    std::vector<BYTE> bytes;
    DWORD cbValue = 0;
    LONG lResult = ReadNow(&bytes, &cbValue);
    return lResult != m_lReadResult || cbValue != m_cbRead || bytes != m_readBytes;
}

LONG CScancodeMapValue::OpenKey(DWORD samDesired, BOOL bCreate, HKEY* phKey)
{
    *phKey = m_hHeldKey;
    if (m_hHeldKey != NULL)
        return ERROR_SUCCESS;
    if (bCreate)
        return m_registry.CreateKey(HKEY_LOCAL_MACHINE, s_pszKeyPath, REG_OPTION_NON_VOLATILE,
                                    samDesired, phKey);
    return m_registry.OpenKey(HKEY_LOCAL_MACHINE, s_pszKeyPath, samDesired, phKey);
}

void CScancodeMapValue::CloseKey(HKEY hKey)
{
    if (hKey != m_hHeldKey)
        m_registry.CloseKey(hKey);
}

LONG CScancodeMapValue::ReadNow(std::vector<BYTE>* pBytes, DWORD* pcbValue)
{
    pBytes->clear();
    *pcbValue = 0;
    HKEY hKey = NULL;
    LONG lResult = OpenKey(KEY_READ, FALSE, &hKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    lResult = CRegistryKey::QueryWholeValue(m_registry, hKey, s_pszValueName, MAX_READ, pBytes,
                                            pcbValue);
    CloseKey(hKey);
    return lResult;
}

LONG CScancodeMapValue::Write(const std::vector<BYTE>& bytes)
{
    return Change(&bytes);
}

LONG CScancodeMapValue::Delete()
{
    return Change(NULL);
}

LONG CScancodeMapValue::Change(const std::vector<BYTE>* pBytes)
{
    if (m_bCheckWrites && HasChangedSinceRead())
        return CHANGED_SINCE_READ;
    HKEY hKey = NULL;
    // Only a write creates the key: there is nothing to delete in a new one.
    LONG lResult = OpenKey(KEY_READ | KEY_WRITE, pBytes != NULL, &hKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    lResult = pBytes != NULL ? m_registry.SetValue(hKey, s_pszValueName, REG_BINARY, pBytes->data(),
                                                   (DWORD)pBytes->size())
                             : m_registry.DeleteValue(hKey, s_pszValueName);
    CloseKey(hKey);
    return lResult;
}

std::string CScancodeMapValue::DescribeResult(LONG lResult)
{
    std::string str = "error " + std::to_string((long)lResult);
    if (lResult == ERROR_ACCESS_DENIED)
        str += ", access denied: run it as an administrator";
    else if (lResult == ERROR_FILE_NOT_FOUND)
        str += ", not found";
    else if (lResult == ERROR_MORE_DATA)
        str += ", the value is too long or kept changing while it was read";
    else if (lResult == CHANGED_SINCE_READ)
        str = "another program changed it since velloric-cli read it: run the command again, "
              "or give --force to write anyway";
    return str;
}
