#include "model/reg_file_parser.h"

#include "model/ascii_text.h"
#include "model/reg_file_writer.h"
#include "model/scancode_map_codec.h"
#include "model/scancode_map_value.h"
#include "model/stable_key_name.h"

namespace
{
// Whether hex data from nFrom on goes on in the next line: it ends in "\",
// a ; comment aside (hex data holds no ';').
BOOL GoesOn(const std::string& str, size_t nFrom)
{
    std::string strData = CAsciiText::Trimmed(str.substr(nFrom, str.find(';', nFrom) - nFrom));
    return !strData.empty() && strData[strData.size() - 1] == '\\';
}

std::string ValueName()
{
    return CScancodeMapValue::s_pszQuotedName;
}
} // namespace

CRegFileParser::CRegFileParser()
    : m_bInLayoutKey(FALSE), m_bContinuesValue(FALSE), m_bSkipsOther(FALSE), m_nValueLine(0)
{
}

BOOL CRegFileParser::IsHeader(const std::string& strLine)
{
    std::string str = CAsciiText::Trimmed(strLine);
    return str == "Windows Registry Editor Version 5.00" || str == "REGEDIT4";
}

BOOL CRegFileParser::Parse(const std::vector<std::string>& lines)
{
    for (size_t i = 1; i < lines.size(); ++i)
        if (!ParseLine(lines[i], (int)i + 1))
            return FALSE;
    if (m_nValueLine == 0)
        return Fail(0, "the file sets no " + ValueName() + " under [" +
                           CScancodeMapValue::s_pszRootedKeyPath + "]");
    return TakeEntries();
}

BOOL CRegFileParser::ParseLine(const std::string& strLine, int nLine)
{
    size_t nPos = CAsciiText::SkipBlanks(strLine, 0);
    // Blank lines and comments may stand even between continued lines.
    if (nPos == strLine.size() || strLine[nPos] == ';')
        return TRUE;
    if (m_bContinuesValue)
    {
        m_bContinuesValue = FALSE;
        return ParseHexBytes(strLine, nPos, nLine);
    }
    if (m_bSkipsOther)
    {
        if (CAsciiText::HexDigit(strLine[nPos]) >= 0)
        {
            m_bSkipsOther = GoesOn(strLine, nPos);
            return TRUE;
        }
        m_bSkipsOther = FALSE; // not a continuation after all: read it as a line of its own
    }
    char c = strLine[nPos];
    if (c == '[')
    {
        size_t nClose = strLine.rfind(']');
        if (nClose == std::string::npos || nClose < nPos)
            return Fail(nLine, "key line without a closing ']'");
        // A deletion ([-...]) is passed over like any other key, but the
        // registry editor deleting the layout key after setting the value
        // leaves no value: that file imports nothing.
        std::string strKey = strLine.substr(nPos + 1, nClose - nPos - 1);
        m_bInLayoutKey = CAsciiText::EqualsIgnoringCase(strKey, CScancodeMapValue::s_pszRootedKeyPath);
        if (m_nValueLine != 0 && !strKey.empty() && strKey[0] == '-' &&
            CAsciiText::EqualsIgnoringCase(CAsciiText::Trimmed(strKey.substr(1)), CScancodeMapValue::s_pszRootedKeyPath))
            return Fail(nLine, "the file deletes the key of " + ValueName() + " after setting it (line " +
                                   std::to_string(m_nValueLine) + "): the registry editor leaves no value");
        return TRUE;
    }
    if (c == '"' || c == '@')
        return ParseValueLine(strLine, nPos, nLine);
    return Fail(nLine, "expected a [key] line, a \"value\"= line or a ; comment");
}

BOOL CRegFileParser::ParseValueLine(const std::string& strLine, size_t nPos, int nLine)
{
    std::string strName;
    if (strLine[nPos] == '"')
    {
        ++nPos;
        for (;;)
        {
            if (nPos >= strLine.size())
                return Fail(nLine, "value name without a closing '\"'");
            char c = strLine[nPos++];
            if (c == '"')
                break;
            if (c == '\\' && nPos < strLine.size())
                c = strLine[nPos++];
            strName += c;
        }
    }
    else
    {
        ++nPos; // "@", the key's default value
    }
    nPos = CAsciiText::SkipBlanks(strLine, nPos);
    if (nPos >= strLine.size() || strLine[nPos] != '=')
        return Fail(nLine, "expected '=' after the value name");
    nPos = CAsciiText::SkipBlanks(strLine, nPos + 1);

    if (m_bInLayoutKey && CAsciiText::EqualsIgnoringCase(strName, CScancodeMapValue::s_pszValueName))
        return ParseScancodeMapData(strLine, nPos, nLine);

    // Any other value: only its continuation lines matter, to pass over them.
    m_bSkipsOther = CAsciiText::StartsWithIgnoringCase(strLine, nPos, "hex") && GoesOn(strLine, nPos);
    return TRUE;
}

BOOL CRegFileParser::ParseScancodeMapData(const std::string& strLine, size_t nPos, int nLine)
{
    if (m_nValueLine != 0)
        return Fail(nLine, "a second " + ValueName() + " (the first is on line " +
                               std::to_string(m_nValueLine) + ")");
    m_nValueLine = nLine;
    if (nPos < strLine.size() && strLine[nPos] == '-')
        return Fail(nLine, "the file deletes " + ValueName() + " instead of setting it");
    if (CAsciiText::StartsWithIgnoringCase(strLine, nPos, "hex:"))
        return ParseHexBytes(strLine, nPos + 4, nLine);
    if (CAsciiText::StartsWithIgnoringCase(strLine, nPos, "hex("))
    {
        // hex(3): is REG_BINARY spelled out; the type is hex, as the editor reads it.
        size_t i = nPos + 4;
        DWORD dwType = 0;
        size_t nDigits = 0;
        while (i < strLine.size() && CAsciiText::HexDigit(strLine[i]) >= 0 && nDigits < 8)
        {
            dwType = (dwType << 4) | (DWORD)CAsciiText::HexDigit(strLine[i++]);
            ++nDigits;
        }
        if (nDigits > 0 && dwType == REG_BINARY && i + 1 < strLine.size() &&
            strLine[i] == ')' && strLine[i + 1] == ':')
            return ParseHexBytes(strLine, i + 2, nLine);
    }
    return Fail(nLine, ValueName() + " is not binary data (hex: or hex(3):)");
}

BOOL CRegFileParser::ParseHexBytes(const std::string& strLine, size_t nPos, int nLine)
{
    // byte (, byte)* with an optional trailing ",", then "\" to go on, then a ; comment.
    for (;;)
    {
        nPos = CAsciiText::SkipBlanks(strLine, nPos);
        if (nPos == strLine.size() || strLine[nPos] == ';')
            return TRUE;
        if (strLine[nPos] == '\\')
        {
            nPos = CAsciiText::SkipBlanks(strLine, nPos + 1);
            if (nPos < strLine.size() && strLine[nPos] != ';')
                return Fail(nLine, "text after the '\\' that continues the line");
            m_bContinuesValue = TRUE;
            return TRUE;
        }
        size_t nDigits = 0;
        int nByte = 0;
        while (nPos < strLine.size() && CAsciiText::HexDigit(strLine[nPos]) >= 0)
        {
            nByte = ((nByte << 4) | CAsciiText::HexDigit(strLine[nPos++])) & 0xFFF;
            ++nDigits;
        }
        if (nDigits == 0 || nDigits > 2)
            return Fail(nLine, "expected hex bytes such as 1d,00,3a,00");
        if (m_value.size() >= (size_t)CScancodeMapCodec::IMAGE_SIZE)
            return Fail(nLine, ValueName() + " is longer than 4096 bytes");
        m_value.push_back((BYTE)nByte);
        m_byteLines.push_back(nLine);
        nPos = CAsciiText::SkipBlanks(strLine, nPos);
        if (nPos == strLine.size() || strLine[nPos] == ';')
            return TRUE;
        if (strLine[nPos] != ',')
            return Fail(nLine, "expected ',' between hex bytes");
        ++nPos;
    }
}

int CRegFileParser::EntryLine(DWORD i) const
{
    return m_byteLines[CScancodeMapCodec::HEADER_SIZE + i * CScancodeMapCodec::ENTRY_SIZE];
}

BOOL CRegFileParser::HasItsCountExactly(const BYTE* pValue, DWORD cbValue)
{
    // The count must name every 4-byte word after the header, the zero
    // terminator last: a count that disagrees would silently cut entries
    // off (or take the terminator for one).
    DWORD cbEntries = cbValue - CScancodeMapCodec::HEADER_SIZE;
    std::string strValue = ValueName() + " is not a whole table (" + std::to_string(cbValue) + " bytes, ";
    if (cbEntries % CScancodeMapCodec::ENTRY_SIZE != 0)
        return Fail(m_nValueLine, strValue + "its entries are not whole 4-byte words)");
    DWORD nWords = cbEntries / CScancodeMapCodec::ENTRY_SIZE;
    LONG lCount = (LONG)CScancodeMapCodec::GetClaimedCount(pValue);
    if (lCount <= 1)
    {
        for (DWORD i = 0; i < nWords; ++i)
            if (!CScancodeMapCodec::GetEntry(pValue, i).IsNull())
                return Fail(EntryLine(i), strValue + "its count of " + std::to_string(lCount) +
                                              " says it holds no mappings, but entry " +
                                              std::to_string((unsigned long)i + 1) + " is one)");
        return TRUE;
    }
    if ((DWORD)lCount != nWords)
        return Fail(m_nValueLine, strValue + "its count of " + std::to_string(lCount) +
                                      " does not match its " + std::to_string((unsigned long)nWords) +
                                      " entries, the terminator included)");
    if (!CScancodeMapCodec::GetEntry(pValue, nWords - 1).IsNull())
        return Fail(EntryLine(nWords - 1), strValue + "its last entry, the terminator, is not 0)");
    return TRUE;
}

BOOL CRegFileParser::TakeEntries()
{
    const BYTE* pValue = m_value.data();
    DWORD cbValue = (DWORD)m_value.size();
    if (!CScancodeMapCodec::HoldsItsCount(pValue, cbValue))
    {
        std::string strWhy = cbValue < (DWORD)CScancodeMapCodec::HEADER_SIZE
                                 ? "shorter than its 12-byte header"
                                 : "its count of " +
                                       std::to_string(CScancodeMapCodec::GetClaimedCount(pValue)) +
                                       " needs more";
        return Fail(m_nValueLine, ValueName() + " is not a whole table (" +
                                      std::to_string(cbValue) + " bytes, " + strWhy + ")");
    }
    if (!HasItsCountExactly(pValue, cbValue))
        return FALSE;
    // The codec's entries, walked here rather than decoded so that each
    // pair keeps the line it came from. A file is held to the rules of the
    // console program's set: no physical key 0 (not even the null pair,
    // which a table cannot hold), only codes that are keys.
    DWORD nEntries = CScancodeMapCodec::GetEntryCount(pValue, cbValue);
    for (DWORD i = 0; i < nEntries; ++i)
    {
        CRemapPair pair = CScancodeMapCodec::GetEntry(pValue, i);
        std::string strError;
        if (!CStableKeyName::CheckPair(pair, &strError))
            return Fail(EntryLine(i), "entry " + std::to_string((unsigned long)i + 1) + ": " + strError);
        AddPair(pair, EntryLine(i));
    }
    return TRUE;
}
