#include "model/remap_text_parser.h"

#include "model/stable_key_name.h"

namespace
{
std::string Trimmed(const std::string& str)
{
    const char szBlanks[] = " \t";
    size_t nStart = str.find_first_not_of(szBlanks);
    if (nStart == std::string::npos)
        return std::string();
    size_t nEnd = str.find_last_not_of(szBlanks);
    return str.substr(nStart, nEnd - nStart + 1);
}
} // namespace

CRemapTextParser::CRemapTextParser() : m_nErrorLine(0) {}

BOOL CRemapTextParser::Parse(const std::vector<std::string>& lines)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (!ParseLine(lines[i], (int)i + 1))
            return FALSE;
    return TRUE;
}

BOOL CRemapTextParser::ParseLine(const std::string& strLine, int nLine)
{
    std::string strText = Trimmed(strLine.substr(0, strLine.find('#')));
    if (strText.empty())
        return TRUE;
    size_t nEquals = strText.find('=');
    if (nEquals == std::string::npos)
        return Fail(nLine, "expected FROM=TO");
    std::string strFrom = Trimmed(strText.substr(0, nEquals));
    std::string strTo = Trimmed(strText.substr(nEquals + 1));

    WORD wPhysical = 0;
    WORD wProduced = 0;
    CStableKeyName::EParse eFrom = CStableKeyName::Parse(strFrom, &wPhysical);
    if (eFrom != CStableKeyName::PARSE_OK)
        return Fail(nLine, CStableKeyName::DescribeFault(eFrom, strFrom));
    CStableKeyName::EParse eTo = CStableKeyName::Parse(strTo, &wProduced);
    if (eTo != CStableKeyName::PARSE_OK)
        return Fail(nLine, CStableKeyName::DescribeFault(eTo, strTo));
    if (wPhysical == 0)
        return Fail(nLine, "None (0x0000) is no key and cannot be remapped");
    m_pairs.push_back(CRemapPair(wPhysical, wProduced));
    m_pairLines.push_back(nLine);
    return TRUE;
}

BOOL CRemapTextParser::Fail(int nLine, const std::string& strError)
{
    m_nErrorLine = nLine;
    m_strError = strError;
    m_pairs.clear();
    m_pairLines.clear();
    return FALSE;
}
