// Letter case, hex digits and blanks in ASCII alone, as the file formats and
// key names read them: a locale's rules would also touch the other bytes of
// an ANSI code page.
#pragma once

#include <cstddef>
#include <string>

#include "platform/platform_types.h"

class CAsciiText
{
public:
    static char FoldCase(char c);
    // 0 to 15, or -1 for a character that is no hex digit.
    static int HexDigit(char c);
    static BOOL EqualsIgnoringCase(const std::string& str, const char* psz);
    static BOOL StartsWithIgnoringCase(const std::string& str, size_t nPos, const char* psz);
    // Space or tab.
    static BOOL IsBlank(char c);
    static size_t SkipBlanks(const std::string& str, size_t nPos);
    static std::string Trimmed(const std::string& str);
};
