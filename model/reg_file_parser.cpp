#include "model/reg_file_parser.h"

#include <cstdio>

#include "model/reg_file_writer.h"
#include "model/scancode_map_codec.h"
#include "model/scancode_map_store.h"

namespace
{
BOOL IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

size_t SkipBlanks(const std::string& str, size_t nPos)
{
    while (nPos < str.size() && IsBlank(str[nPos]))
        ++nPos;
    return nPos;
}

std::string Trimmed(const std::string& str)
{
    size_t nStart = SkipBlanks(str, 0);
    size_t nEnd = str.size();
    while (nEnd > nStart && IsBlank(str[nEnd - 1]))
        --nEnd;
    return str.substr(nStart, nEnd - nStart);
}

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

BOOL SameIgnoringCase(const std::string& str, const char* psz)
{
    size_t i = 0;
    for (; i < str.size() && psz[i] != '\0'; ++i)
        if (FoldCase(str[i]) != FoldCase(psz[i]))
            return FALSE;
    return i == str.size() && psz[i] == '\0';
}

BOOL StartsWithIgnoringCase(const std::string& str, size_t nPos, const char* psz)
{
    for (size_t i = 0; psz[i] != '\0'; ++i)
        if (nPos + i >= str.size() || FoldCase(str[nPos + i]) != FoldCase(psz[i]))
            return FALSE;
    return TRUE;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = FoldCase(c);
    return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
}

DWORD GetDword(const std::vector<BYTE>& bytes, size_t nOffset)
{
    return (DWORD)bytes[nOffset] | ((DWORD)bytes[nOffset + 1] << 8) |
           ((DWORD)bytes[nOffset + 2] << 16) | ((DWORD)bytes[nOffset + 3] << 24);
}

// Whether hex data from nFrom on goes on in the next line: it ends in "\",
// a ; comment aside (hex data holds no ';').
BOOL GoesOn(const std::string& str, size_t nFrom)
{
    std::string strData = Trimmed(str.substr(nFrom, str.find(';', nFrom) - nFrom));
    return !strData.empty() && strData[strData.size() - 1] == '\\';
}

// The quoted name "Scancode Map" as it stands in messages.
std::string ValueName()
{
    return std::string("\"") + CScancodeMapStore::s_pszValueName + "\"";
}
} // namespace

CRegFileParser::CRegFileParser()
    : m_bInLayoutKey(FALSE), m_bContinuesValue(FALSE), m_bSkipsOther(FALSE), m_nValueLine(0),
      m_nErrorLine(0)
{
}

BOOL CRegFileParser::IsHeader(const std::string& strLine)
{
    std::string str = Trimmed(strLine);
    return str == "Windows Registry Editor Version 5.00" || str == "REGEDIT4";
}

BOOL CRegFileParser::Parse(const std::vector<std::string>& lines)
{
    if (lines.empty() || !IsHeader(lines[0]))
        return Fail(1, "not a registry file header");
    for (size_t i = 1; i < lines.size(); ++i)
        if (!ParseLine(lines[i], (int)i + 1))
            return FALSE;
    if (m_nValueLine == 0)
        return Fail(0, "the file sets no " + ValueName() + " under [" +
                           CRegFileWriter::s_pszKeyName + "]");
    return TakeEntries();
}

BOOL CRegFileParser::ParseLine(const std::string& strLine, int nLine)
{
    size_t nPos = SkipBlanks(strLine, 0);
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
        if (HexDigit(strLine[nPos]) >= 0)
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
        // A deletion ([-...]) is passed over like any other key: only the value is imported.
        std::string strKey = strLine.substr(nPos + 1, nClose - nPos - 1);
        m_bInLayoutKey = SameIgnoringCase(strKey, CRegFileWriter::s_pszKeyName);
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
    nPos = SkipBlanks(strLine, nPos);
    if (nPos >= strLine.size() || strLine[nPos] != '=')
        return Fail(nLine, "expected '=' after the value name");
    nPos = SkipBlanks(strLine, nPos + 1);

    if (m_bInLayoutKey && SameIgnoringCase(strName, CScancodeMapStore::s_pszValueName))
        return ParseScancodeMapData(strLine, nPos, nLine);

    // Any other value: only its continuation lines matter, to pass over them.
    m_bSkipsOther = StartsWithIgnoringCase(strLine, nPos, "hex") && GoesOn(strLine, nPos);
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
    if (StartsWithIgnoringCase(strLine, nPos, "hex:"))
        return ParseHexBytes(strLine, nPos + 4, nLine);
    if (StartsWithIgnoringCase(strLine, nPos, "hex("))
    {
        // hex(3): is REG_BINARY spelled out; the type is hex, as the editor reads it.
        size_t i = nPos + 4;
        DWORD dwType = 0;
        size_t nDigits = 0;
        while (i < strLine.size() && HexDigit(strLine[i]) >= 0 && nDigits < 8)
        {
            dwType = (dwType << 4) | (DWORD)HexDigit(strLine[i++]);
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
        nPos = SkipBlanks(strLine, nPos);
        if (nPos == strLine.size() || strLine[nPos] == ';')
            return TRUE;
        if (strLine[nPos] == '\\')
        {
            nPos = SkipBlanks(strLine, nPos + 1);
            if (nPos < strLine.size() && strLine[nPos] != ';')
                return Fail(nLine, "text after the '\\' that continues the line");
            m_bContinuesValue = TRUE;
            return TRUE;
        }
        size_t nDigits = 0;
        int nByte = 0;
        while (nPos < strLine.size() && HexDigit(strLine[nPos]) >= 0)
        {
            nByte = ((nByte << 4) | HexDigit(strLine[nPos++])) & 0xFFF;
            ++nDigits;
        }
        if (nDigits == 0 || nDigits > 2)
            return Fail(nLine, "expected hex bytes such as 1d,00,3a,00");
        if (m_value.size() >= (size_t)CScancodeMapCodec::IMAGE_SIZE)
            return Fail(nLine, ValueName() + " is longer than 4096 bytes");
        m_value.push_back((BYTE)nByte);
        m_byteLines.push_back(nLine);
        nPos = SkipBlanks(strLine, nPos);
        if (nPos == strLine.size() || strLine[nPos] == ';')
            return TRUE;
        if (strLine[nPos] != ',')
            return Fail(nLine, "expected ',' between hex bytes");
        ++nPos;
    }
}

BOOL CRegFileParser::TakeEntries()
{
    DWORD cbValue = (DWORD)m_value.size();
    if (!CScancodeMapCodec::HoldsItsCount(m_value.data(), cbValue))
    {
        std::string strWhy = cbValue < (DWORD)CScancodeMapCodec::HEADER_SIZE
                                 ? "shorter than its 12-byte header"
                                 : "its count of " + std::to_string(GetDword(m_value, 8)) +
                                       " needs more";
        return Fail(m_nValueLine, ValueName() + " is not a whole table (" +
                                      std::to_string(cbValue) + " bytes, " + strWhy + ")");
    }
    // As CScancodeMapCodec::DecodeScancodeMap reads them: count - 1 entries
    // (the count holds here), the null entry left out. Walked here rather
    // than decoded so that each pair keeps the line it came from.
    DWORD dwCount = GetDword(m_value, 8);
    DWORD nEntries = (dwCount <= 1 || dwCount > 0x7FFFFFFFu) ? 0 : dwCount - 1;
    for (DWORD i = 0; i < nEntries; ++i)
    {
        size_t nOffset = CScancodeMapCodec::HEADER_SIZE + (size_t)i * CScancodeMapCodec::ENTRY_SIZE;
        DWORD dwEntry = GetDword(m_value, nOffset);
        if (dwEntry == 0)
            continue;
        m_pairs.push_back(CRemapPair((WORD)(dwEntry >> 16), (WORD)(dwEntry & 0xFFFF)));
        m_pairLines.push_back(m_byteLines[nOffset]);
    }
    return TRUE;
}

BOOL CRegFileParser::Fail(int nLine, const std::string& strError)
{
    m_nErrorLine = nLine;
    m_strError = strError;
    m_pairs.clear();
    m_pairLines.clear();
    return FALSE;
}
