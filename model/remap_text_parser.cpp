#include "model/remap_text_parser.h"

#include "model/ascii_text.h"
#include "model/stable_key_name.h"

namespace
{
BOOL ParseKey(const std::string& strKey, WORD* pwScancode, std::string* pstrError)
{
    CStableKeyName::EParse eParse = CStableKeyName::Parse(strKey, pwScancode);
    if (eParse == CStableKeyName::PARSE_OK)
        return TRUE;
    *pstrError = CStableKeyName::DescribeFault(eParse, strKey);
    return FALSE;
}
} // namespace

BOOL CRemapTextParser::Parse(const std::vector<std::string>& lines)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (!ParseLine(lines[i], (int)i + 1))
            return FALSE;
    return TRUE;
}

BOOL CRemapTextParser::ParseMapping(const std::string& strText, CRemapPair* pPair,
                                    std::string* pstrError)
{
    size_t nEquals = strText.find('=');
    if (nEquals == std::string::npos)
    {
        *pstrError = "expected FROM=TO";
        return FALSE;
    }
    if (!ParseKey(CAsciiText::Trimmed(strText.substr(0, nEquals)), &pPair->wPhysical, pstrError) ||
        !ParseKey(CAsciiText::Trimmed(strText.substr(nEquals + 1)), &pPair->wProduced, pstrError))
        return FALSE;
    return CStableKeyName::CheckPair(*pPair, pstrError);
}

BOOL CRemapTextParser::ParseLine(const std::string& strLine, int nLine)
{
    std::string strText = CAsciiText::Trimmed(strLine.substr(0, strLine.find('#')));
    if (strText.empty())
        return TRUE;
    CRemapPair pair;
    std::string strError;
    if (!ParseMapping(strText, &pair, &strError))
        return Fail(nLine, strError);
    AddPair(pair, nLine);
    return TRUE;
}
