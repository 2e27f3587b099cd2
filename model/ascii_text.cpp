#include "model/ascii_text.h"

char CAsciiText::FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

int CAsciiText::HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = FoldCase(c);
    return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
}

BOOL CAsciiText::EqualsIgnoringCase(const std::string& str, const char* psz)
{
    size_t i = 0;
    for (; i < str.size() && psz[i] != '\0'; ++i)
        if (FoldCase(str[i]) != FoldCase(psz[i]))
            return FALSE;
    return i == str.size() && psz[i] == '\0';
}

BOOL CAsciiText::StartsWithIgnoringCase(const std::string& str, size_t nPos, const char* psz)
{
    for (size_t i = 0; psz[i] != '\0'; ++i)
        if (nPos + i >= str.size() || FoldCase(str[nPos + i]) != FoldCase(psz[i]))
            return FALSE;
    return TRUE;
}

BOOL CAsciiText::IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

size_t CAsciiText::SkipBlanks(const std::string& str, size_t nPos)
{
    while (nPos < str.size() && IsBlank(str[nPos]))
        ++nPos;
    return nPos;
}

std::string CAsciiText::Trimmed(const std::string& str)
{
    size_t nStart = SkipBlanks(str, 0);
    size_t nEnd = str.size();
    while (nEnd > nStart && IsBlank(str[nEnd - 1]))
        --nEnd;
    return str.substr(nStart, nEnd - nStart);
}
