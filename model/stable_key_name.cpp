#include "model/stable_key_name.h"

#include <cstdio>

#include "model/ascii_text.h"
#include "model/key_catalogue.h"
#include "model/key_table.h"

namespace
{
const char s_szNone[] = "None";
// Long enough for any real token; a longer one is cut in messages.
const size_t MAX_QUOTED_CHARS = 40;

// The argument as it may appear in a one-line message: printable ASCII, cut short.
std::string Quoted(const std::string& strArg)
{
    std::string str = "'";
    for (size_t i = 0; i < strArg.size() && i < MAX_QUOTED_CHARS; ++i)
    {
        unsigned char c = (unsigned char)strArg[i];
        str += (c >= 0x20 && c < 0x7F) ? (char)c : '?';
    }
    if (strArg.size() > MAX_QUOTED_CHARS)
        str += "...";
    return str + "'";
}
} // namespace

const char* CStableKeyName::NameOf(WORD wScancode)
{
    if (wScancode == 0)
        return s_szNone;
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
        if (ScancodeFromTableCode(pEntries[i].wTableCode) == wScancode)
            return pEntries[i].pszStableName;
    const CCatalogueKey* pKey = CKeyCatalogue::Find(wScancode);
    return pKey != nullptr ? pKey->pszName : nullptr;
}

CStableKeyName::EParse CStableKeyName::Parse(const std::string& strArg, WORD* pwScancode)
{
    if (strArg.empty())
        return PARSE_EMPTY;
    if (CAsciiText::EqualsIgnoringCase(strArg, s_szNone))
    {
        *pwScancode = 0;
        return PARSE_OK;
    }
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
    {
        if (CAsciiText::EqualsIgnoringCase(strArg, pEntries[i].pszStableName))
        {
            *pwScancode = ScancodeFromTableCode(pEntries[i].wTableCode);
            return PARSE_OK;
        }
    }
    if (const CCatalogueKey* pKey = CKeyCatalogue::FindByName(strArg))
    {
        *pwScancode = pKey->wScancode;
        return PARSE_OK;
    }

    BOOL bPrefixed = strArg.size() >= 2 && strArg[0] == '0' && CAsciiText::FoldCase(strArg[1]) == 'x';
    size_t nStart = bPrefixed ? 2 : 0;
    DWORD dwValue = 0;
    for (size_t i = nStart; i < strArg.size(); ++i)
    {
        int nDigit = CAsciiText::HexDigit(strArg[i]);
        if (nDigit < 0)
            return bPrefixed ? PARSE_BAD_SCANCODE : PARSE_UNKNOWN_NAME;
        dwValue = ((dwValue << 4) | (DWORD)nDigit) & 0xFFFFF; // no overflow past 5 digits
    }
    size_t nDigits = strArg.size() - nStart;
    if (nDigits == 0 || nDigits > 4)
        return PARSE_BAD_SCANCODE;
    if (!IsKeyCode((WORD)dwValue))
        return PARSE_BAD_PREFIX;
    *pwScancode = CanonicalScancode((WORD)dwValue);
    return PARSE_OK;
}

BOOL CStableKeyName::IsKeyCode(WORD wScancode)
{
    BYTE bPrefix = (BYTE)(wScancode >> 8);
    return bPrefix == 0x00 || bPrefix == 0xE0 || wScancode == PAUSE_SCANCODE;
}

BOOL CStableKeyName::CheckPair(const CRemapPair& pair, std::string* pstrError)
{
    const WORD codes[2] = {pair.wPhysical, pair.wProduced};
    for (WORD wCode : codes)
    {
        if (!IsKeyCode(wCode))
        {
            *pstrError = "scancode " + FormatScancode(wCode) +
                         " is no key (its high byte must be 00 or E0, or it is E11D)";
            return FALSE;
        }
    }
    if (pair.wPhysical == 0)
    {
        *pstrError = "None (0x0000) is no key and cannot be remapped";
        return FALSE;
    }
    return TRUE;
}

std::string CStableKeyName::DescribeFault(EParse eParse, const std::string& strArg)
{
    switch (eParse)
    {
    case PARSE_OK:
        return std::string();
    case PARSE_EMPTY:
        return "no key given";
    case PARSE_UNKNOWN_NAME:
        return "unknown key name " + Quoted(strArg);
    case PARSE_BAD_SCANCODE:
        return "bad scancode " + Quoted(strArg) + " (1 to 4 hex digits)";
    case PARSE_BAD_PREFIX:
    default:
        return "scancode " + Quoted(strArg) + " is no key (its high byte must be 00 or E0, or it is E11D)";
    }
}

std::string CStableKeyName::FormatScancode(WORD wScancode)
{
    char sz[8];
    std::snprintf(sz, sizeof sz, "0x%04X", (unsigned)wScancode);
    return sz;
}

std::string CStableKeyName::Describe(WORD wScancode)
{
    const char* pszName = NameOf(wScancode);
    std::string str = FormatScancode(wScancode);
    return pszName != nullptr ? std::string(pszName) + " (" + str + ")" : str;
}
