#include <gtest/gtest.h>

#include "framework/message_lines.h"

TEST(MessageLines, Limit_KeepsShortTexts_AndCutsLongOnesWithTheCountLeftOut)
{
    struct { const char* pszText; int nMax; const char* pszShown; } cases[] = {
        {"", 3, ""},
        {"a\nb\nc", 3, "a\nb\nc"},
        {"a\nb\nc\n", 3, "a\nb\nc\n"},
        {"a\nb\nc\nd", 3, "a\nb\n(2 more)"},
        {"a\nb\nc\nd\n", 3, "a\nb\n(2 more)"},
        {"a\nb\nc", 0, "a\n(2 more)"}, // never fewer than one line and the count
        {"a\n\n\n\nb", 4, "a\n\n\n(2 more)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pszShown, CMessageLines::Limit(c.pszText, c.nMax, "(%1 more)")) << c.pszText;
}
