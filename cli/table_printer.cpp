#include "cli/table_printer.h"

#include <cstdio>

#include "model/key_catalogue.h"
#include "model/key_name.h"
#include "model/key_table.h"
#include "model/stable_key_name.h"

namespace
{
const size_t NAME_COLUMN = 14; // "NumpadMultiply"; the catalogue's longer names push the column

std::string Padded(const std::string& str, size_t nWidth)
{
    return str.size() < nWidth ? str + std::string(nWidth - str.size(), ' ') : str;
}

std::string NameOrEmpty(WORD wScancode)
{
    const char* pszName = CStableKeyName::NameOf(wScancode);
    return pszName != nullptr ? pszName : "";
}

const char* CheckLevel(UINT nCheck)
{
    if (nCheck == MB_ICONHAND)
        return "danger";
    return nCheck != 0 ? "warning" : "none";
}
} // namespace

std::string CTablePrinter::FormatTable(const CRemapList& list)
{
    std::string str;
    for (const CRemapPair& pair : list.GetPairs())
    {
        str += CStableKeyName::FormatScancode(pair.wPhysical) + " " +
               Padded(NameOrEmpty(pair.wPhysical), NAME_COLUMN) + " -> " +
               CStableKeyName::FormatScancode(pair.wProduced);
        std::string strProduced = NameOrEmpty(pair.wProduced);
        str += (strProduced.empty() ? "" : " " + strProduced) + "\n";
    }
    return str;
}

std::string CTablePrinter::FormatTableJson(const char* pszValue, size_t cbValue,
                                           const CRemapList& list, UINT nCheck,
                                           const std::string& strReport)
{
    std::string str = "{\n  \"value\": " + JsonString(pszValue) +
                      ",\n  \"length\": " + std::to_string((unsigned long)cbValue) +
                      ",\n  \"mappings\": [";
    const char* pszSeparator = "\n";
    for (const CRemapPair& pair : list.GetPairs())
    {
        str += pszSeparator;
        str += "    {\"from\": " + KeyJson(pair.wPhysical) + ", \"to\": " + KeyJson(pair.wProduced) + "}";
        pszSeparator = ",\n";
    }
    str += list.GetCount() > 0 ? "\n  ],\n" : "],\n";
    str += "  \"lostKeys\": {\"level\": " + JsonString(CheckLevel(nCheck)) +
           ", \"report\": " + JsonString(m_converter.AnsiToUtf8(strReport)) + "}\n}\n";
    return str;
}

std::string CTablePrinter::FormatKeys()
{
    std::string str;
    std::vector<WORD> keys;
    ListKeys(&keys, nullptr);
    for (WORD wScancode : keys)
    {
        str += CStableKeyName::FormatScancode(wScancode) + " " +
               Padded(NameOrEmpty(wScancode), NAME_COLUMN + 2) + " " + SystemName(wScancode);
        // No trailing blanks where the system knows no name.
        while (!str.empty() && str[str.size() - 1] == ' ')
            str.erase(str.size() - 1);
        str += "\n";
    }
    return str;
}

std::string CTablePrinter::FormatKeysJson()
{
    std::string str = "{\n  \"layout106\": ";
    str += Is106Layout(m_keyboard) ? "true" : "false";
    str += ",\n  \"keys\": [\n";
    std::vector<WORD> keys;
    std::vector<int> kinds;
    ListKeys(&keys, &kinds);
    for (size_t i = 0; i < keys.size(); ++i)
    {
        std::string strKey = KeyJson(keys[i]);
        // The key's object with two more members: "only106" and "drawn".
        strKey.insert(strKey.size() - 1,
                      std::string(", \"only106\": ") + (kinds[i] == KEY_ONLY_106 ? "true" : "false") +
                          ", \"drawn\": " + (kinds[i] == KEY_BEYOND ? "false" : "true"));
        str += "    " + strKey + (i + 1 < keys.size() ? ",\n" : "\n");
    }
    return str + "  ]\n}\n";
}

void CTablePrinter::ListKeys(std::vector<WORD>* pKeys, std::vector<int>* pKinds)
{
    // The drawn keys in the key table's order, then the catalogue's keys
    // that no layout draws.
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
    {
        pKeys->push_back(ScancodeFromTableCode(pEntries[i].wTableCode));
        if (pKinds != nullptr)
            pKinds->push_back(pEntries[i].b106Only ? KEY_ONLY_106 : KEY_DRAWN);
    }
    for (int i = 0; i < CKeyCatalogue::GetCount(); ++i)
    {
        if (CKeyCatalogue::GetAt(i).bOn106Layout)
            continue;
        pKeys->push_back(CKeyCatalogue::GetAt(i).wScancode);
        if (pKinds != nullptr)
            pKinds->push_back(KEY_BEYOND);
    }
}

std::string CTablePrinter::FormatBytes(const std::vector<BYTE>& bytes)
{
    std::string str;
    char sz[4];
    for (size_t i = 0; i < bytes.size(); ++i)
    {
        std::snprintf(sz, sizeof sz, "%02X", (unsigned)bytes[i]);
        str += sz;
        str += (i % 16 == 15 || i + 1 == bytes.size()) ? "\n" : " ";
    }
    return str;
}

std::string CTablePrinter::JsonString(const std::string& strUtf8)
{
    std::string str = "\"";
    for (char c : strUtf8)
    {
        unsigned char uc = (unsigned char)c;
        if (c == '"' || c == '\\')
            (str += '\\') += c;
        else if (c == '\n')
            str += "\\n";
        else if (c == '\r')
            str += "\\r";
        else if (c == '\t')
            str += "\\t";
        else if (uc < 0x20)
        {
            char sz[8];
            std::snprintf(sz, sizeof sz, "\\u%04X", (unsigned)uc);
            str += sz;
        }
        else
            str += c;
    }
    return str + "\"";
}

std::string CTablePrinter::KeyJson(WORD wScancode)
{
    const char* pszName = CStableKeyName::NameOf(wScancode);
    std::string strSystem = m_converter.AnsiToUtf8(SystemName(wScancode));
    return "{\"scancode\": " + JsonString(CStableKeyName::FormatScancode(wScancode)) +
           ", \"name\": " + (pszName != nullptr ? JsonString(pszName) : "null") +
           ", \"systemName\": " + (strSystem.empty() ? "null" : JsonString(strSystem)) + "}";
}

std::string CTablePrinter::SystemName(WORD wScancode)
{
    // 0 sends nothing, and a code that is no key has no name of the system's.
    WORD wTableCode = TableCodeFromScancode(wScancode);
    if (wScancode == 0 || wTableCode == 0)
        return std::string();
    return GetKeyName(m_keyboard, wTableCode);
}
