// The "Scancode Map" of a .reg file, read from its lines (already decoded to
// single-byte text; line 1 is the header, which IsHeader has recognized).
// What it takes:
//   - the value under the keyboard-layout key (CScancodeMapValue::s_pszRootedKeyPath,
//     in any letter case), as hex: or hex(3): data, lower- or upper-case
//     bytes, continued over lines ending in "\", with blank lines and
//     ; comments anywhere, as the registry editor reads them;
//   - every other key, key deletion ([-...]) and value is passed over: only
//     this one value is imported.
// What it refuses, with the line: a second "Scancode Map", a deletion of it
// ("Scancode Map"=-), data of another type, a malformed hex byte, a value
// longer than 4096 bytes, a line that is no key, value, continuation or
// comment, a value whose header or count does not fit its bytes
// (CScancodeMapCodec::HoldsItsCount), a count that is not exactly the
// entries that follow the header with the zero terminator last, and an entry
// that the console program's set would refuse (physical key 0, a code that
// is no key: CStableKeyName::CheckPair). The pairs come in the value's order.
#pragma once

#include <string>
#include <vector>

#include "model/pair_parser.h"

class CRegFileParser : public CPairParser
{
public:
    CRegFileParser();

    // "Windows Registry Editor Version 5.00" or "REGEDIT4", white space around it allowed.
    static BOOL IsHeader(const std::string& strLine);

    BOOL Parse(const std::vector<std::string>& lines) override;

    const std::vector<BYTE>& GetValue() const { return m_value; }

private:
    BOOL ParseLine(const std::string& strLine, int nLine);
    BOOL ParseValueLine(const std::string& strLine, size_t nPos, int nLine);
    BOOL ParseScancodeMapData(const std::string& strLine, size_t nPos, int nLine);
    BOOL ParseHexBytes(const std::string& strLine, size_t nPos, int nLine);
    BOOL TakeEntries();
    BOOL HasItsCountExactly(const BYTE* pValue, DWORD cbValue);
    int EntryLine(DWORD i) const;

    BOOL m_bInLayoutKey;
    BOOL m_bContinuesValue; // the Scancode Map's last line ended in "\"
    BOOL m_bSkipsOther;     // another value's hex data goes on over lines
    int m_nValueLine;       // where "Scancode Map" is set; 0 until then
    std::vector<BYTE> m_value;
    std::vector<int> m_byteLines; // the line of each byte of m_value
};
