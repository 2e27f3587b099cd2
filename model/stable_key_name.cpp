#include "model/stable_key_name.h"

#include <cstdio>

#include "model/ascii_text.h"
#include "model/key_catalogue.h"
#include "model/key_table.h"

namespace
{
struct CNameEntry
{
    WORD wTableCode;
    const char* pszName;
};

// In the key table's order; the test holds every table code to one name.
const CNameEntry s_names[] = {
    {0x001, "Esc"}, {0x002, "1"}, {0x003, "2"}, {0x004, "3"}, {0x005, "4"}, {0x006, "5"},
    {0x007, "6"}, {0x008, "7"}, {0x009, "8"}, {0x00A, "9"}, {0x00B, "0"}, {0x00C, "Minus"},
    {0x00D, "Equals"}, {0x00E, "Backspace"}, {0x00F, "Tab"}, {0x010, "Q"}, {0x011, "W"},
    {0x012, "E"}, {0x013, "R"}, {0x014, "T"}, {0x015, "Y"}, {0x016, "U"}, {0x017, "I"},
    {0x018, "O"}, {0x019, "P"}, {0x01A, "LeftBracket"}, {0x01B, "RightBracket"},
    {0x01C, "Enter"}, {0x01D, "LeftCtrl"}, {0x01E, "A"}, {0x01F, "S"}, {0x020, "D"},
    {0x021, "F"}, {0x022, "G"}, {0x023, "H"}, {0x024, "J"}, {0x025, "K"}, {0x026, "L"},
    {0x027, "Semicolon"}, {0x028, "Apostrophe"}, {0x029, "Grave"}, {0x02A, "LeftShift"},
    {0x02B, "Backslash"}, {0x02C, "Z"}, {0x02D, "X"}, {0x02E, "C"}, {0x02F, "V"},
    {0x030, "B"}, {0x031, "N"}, {0x032, "M"}, {0x033, "Comma"}, {0x034, "Period"},
    {0x035, "Slash"}, {0x036, "RightShift"}, {0x037, "NumpadMultiply"}, {0x038, "LeftAlt"},
    {0x039, "Space"}, {0x03A, "CapsLock"}, {0x03B, "F1"}, {0x03C, "F2"}, {0x03D, "F3"},
    {0x03E, "F4"}, {0x03F, "F5"}, {0x040, "F6"}, {0x041, "F7"}, {0x042, "F8"},
    {0x043, "F9"}, {0x044, "F10"}, {0x145, "NumLock"}, {0x047, "Numpad7"},
    {0x048, "Numpad8"}, {0x049, "Numpad9"}, {0x04A, "NumpadMinus"}, {0x04B, "Numpad4"},
    {0x04C, "Numpad5"}, {0x04D, "Numpad6"}, {0x04E, "NumpadPlus"}, {0x04F, "Numpad1"},
    {0x050, "Numpad2"}, {0x051, "Numpad3"}, {0x052, "Numpad0"}, {0x053, "NumpadPeriod"},
    {0x057, "F11"}, {0x058, "F12"}, {0x135, "NumpadDivide"}, {0x138, "RightAlt"},
    {0x147, "Home"}, {0x148, "Up"}, {0x149, "PageUp"}, {0x14B, "Left"}, {0x14D, "Right"},
    {0x14F, "End"}, {0x150, "Down"}, {0x151, "PageDown"}, {0x152, "Insert"},
    {0x153, "Delete"}, {0x11C, "NumpadEnter"}, {0x11D, "RightCtrl"}, {0x15B, "LeftWindows"},
    {0x15C, "RightWindows"}, {0x15D, "Application"}, {0x07B, "NoConvert"},
    {0x079, "Convert"}, {0x070, "Kana"}, {0x07D, "Yen"}, {0x073, "Ro"},
};

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
    for (const CNameEntry& entry : s_names)
        if (ScancodeFromTableCode(entry.wTableCode) == wScancode)
            return entry.pszName;
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
    for (const CNameEntry& entry : s_names)
    {
        if (CAsciiText::EqualsIgnoringCase(strArg, entry.pszName))
        {
            *pwScancode = ScancodeFromTableCode(entry.wTableCode);
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
