// A message too long for the screen: its first lines, then a line that says
// how many more there are, so that the box and its buttons stay in reach.
#pragma once

#include <string>

class CMessageLines
{
public:
    // The number of lines of strText (a last line without "\n" counts).
    static int Count(const std::string& strText);
    // strText when it has at most nMaxLines lines; otherwise its first
    // nMaxLines - 1 lines and strMoreFormat with "%1" replaced by the number
    // of lines left out. nMaxLines below 2 counts as 2.
    static std::string Limit(const std::string& strText, int nMaxLines,
                             const std::string& strMoreFormat);
};
