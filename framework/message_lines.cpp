#include "framework/message_lines.h"

int CMessageLines::Count(const std::string& strText)
{
    int nLines = 0;
    size_t nStart = 0;
    while (nStart < strText.size())
    {
        ++nLines;
        size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            break;
        nStart = nEnd + 1;
    }
    return nLines;
}

std::string CMessageLines::Limit(const std::string& strText, int nMaxLines,
                                 const std::string& strMoreFormat)
{
    // The first line and the line that says how many more, at least.
    const int MIN_LINES = 2;
    if (nMaxLines < MIN_LINES)
        nMaxLines = MIN_LINES;
    int nLines = Count(strText);
    if (nLines <= nMaxLines)
        return strText;
    size_t nCut = 0;
    for (int i = 0; i < nMaxLines - 1; ++i)
        nCut = strText.find('\n', nCut) + 1;
    std::string strMore = strMoreFormat;
    size_t nAt = strMore.find("%1");
    if (nAt != std::string::npos)
        strMore.replace(nAt, 2, std::to_string(nLines - (nMaxLines - 1)));
    return strText.substr(0, nCut) + strMore;
}
