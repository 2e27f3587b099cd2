#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "view/key_fit.h"

namespace
{
// Fixed metrics: in the key font every character is m_cxKeyChar wide; in a
// font of character height h it is |h| / 2 wide and a line is |h| high.
// Wrapping breaks at spaces only, as DrawText's word break does.
class CFakeMeasure : public ITextMeasure
{
public:
    CTextExtent GetKeyFontExtent(const std::string& strText) override
    {
        m_keyFontTexts.push_back(strText);
        return CTextExtent{(int)strText.size() * m_cxKeyChar, 11};
    }

    CTextExtent GetWrappedExtent(const CFontRecord& record, const std::string& strText,
                                 int nWidth) override
    {
        m_heights.push_back((int)record.lfHeight);
        m_widths.push_back(nWidth);
        m_faces.push_back(record.lfFaceName);
        int cyLine = std::abs((int)record.lfHeight);
        int cxChar = cyLine / 2;
        std::vector<std::string> words;
        size_t pos = 0;
        while (pos <= strText.size())
        {
            size_t end = strText.find(' ', pos);
            if (end == std::string::npos)
                end = strText.size();
            words.push_back(strText.substr(pos, end - pos));
            pos = end + 1;
        }
        int cxMax = 0;
        int nLines = 0;
        int cxLine = -1; // -1: no word on the line yet
        for (const std::string& strWord : words)
        {
            int cxWord = (int)strWord.size() * cxChar;
            if (cxLine >= 0 && cxLine + cxChar + cxWord <= nWidth)
                cxLine += cxChar + cxWord;
            else
            {
                ++nLines;
                cxLine = cxWord;
            }
            if (cxLine > cxMax)
                cxMax = cxLine;
        }
        return CTextExtent{cxMax, nLines * cyLine};
    }

    int m_cxKeyChar = 6;
    std::vector<std::string> m_keyFontTexts;
    std::vector<int> m_heights;
    std::vector<int> m_widths;
    std::vector<std::string> m_faces;
};

CFontRecord KeyFont(LONG lfHeight)
{
    CFontRecord record;
    std::memset(&record, 0, sizeof record);
    record.lfHeight = lfHeight;
    record.lfWeight = 400;
    record.lfCharSet = 1;
    std::strcpy(record.lfFaceName, "Arial");
    return record;
}

CDrawRect Rect(LONG left, LONG top, LONG right, LONG bottom)
{
    CDrawRect rect;
    rect.left = left;
    rect.top = top;
    rect.right = right;
    rect.bottom = bottom;
    return rect;
}

void ExpectRect(const CDrawRect& expected, const CDrawRect& actual)
{
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right);
    EXPECT_EQ(expected.bottom, actual.bottom);
}

class KeyFit : public ::testing::Test
{
protected:
    CKeyFitResult Fit(const CDrawRect& rect, const std::string& strLabel, LONG lfKeyHeight = -11,
                      BOOL bDebug = FALSE, int nFitKeyname = 1)
    {
        return CKeyFit(m_measure).Fit(rect, strLabel, KeyFont(lfKeyHeight), bDebug, nFitKeyname);
    }

    CFakeMeasure m_measure;
};
} // namespace

TEST_F(KeyFit, NarrowLabel_IsCentredOnOneLine_InTheKeyFont)
{
    CKeyFitResult result = Fit(Rect(10, 20, 40, 40), " A ");
    EXPECT_EQ(0x825u, result.nDrawFormat);
    EXPECT_EQ(TRUE, IsEmptyFontRecord(result.lfFit));
    ExpectRect(Rect(12, 22, 38, 38), result.rectText);
    EXPECT_TRUE(m_measure.m_heights.empty());
}

TEST_F(KeyFit, WidthIsComparedWithTheWholeCapLessTwo_NotTheTextRectangle)
{
    // 30-wide cap, text rectangle 26: a 27-pixel label still counts as fitting.
    m_measure.m_cxKeyChar = 1;
    EXPECT_EQ(0x825u, Fit(Rect(0, 0, 30, 20), std::string(27, 'x')).nDrawFormat);
    EXPECT_TRUE(m_measure.m_heights.empty());
    // 28 is not less than 30 - 2: too wide, so the shrinking starts.
    EXPECT_EQ(0x824u, Fit(Rect(0, 0, 30, 20), std::string(28, 'x')).nDrawFormat);
    EXPECT_EQ(6u, m_measure.m_heights.size());
}

TEST_F(KeyFit, ShrinkLoop_TriesMinus10DownToMinus5_ForAMinus11KeyFont)
{
    CKeyFitResult result = Fit(Rect(0, 0, 30, 20), "Extraordinarily");
    EXPECT_EQ((std::vector<int>{-10, -9, -8, -7, -6, -5}), m_measure.m_heights);
    EXPECT_EQ((std::vector<int>(6, 26)), m_measure.m_widths);
    // Nothing fitted: left-aligned on one line in the key font, clipped.
    EXPECT_EQ(0x824u, result.nDrawFormat);
    EXPECT_EQ(TRUE, IsEmptyFontRecord(result.lfFit));
    ExpectRect(Rect(2, 2, 28, 18), result.rectText);
}

TEST_F(KeyFit, ShrinkLoop_StartsAtTheTextRectangleHeight_WhateverTheKeyFont)
{
    // A stored font of -32000 once meant 31995 fonts made and measured per key.
    Fit(Rect(0, 0, 30, 20), "Extraordinarily", -32000);
    EXPECT_EQ((std::vector<int>{-16, -15, -14, -13, -12, -11, -10, -9, -8, -7, -6, -5}),
              m_measure.m_heights);
}

TEST_F(KeyFit, PositiveKeyFontHeight_NeverFits)
{
    CKeyFitResult result = Fit(Rect(0, 0, 30, 20), "Scroll Lock", 12);
    EXPECT_TRUE(m_measure.m_heights.empty());
    EXPECT_EQ(0x824u, result.nDrawFormat);
    EXPECT_EQ(TRUE, IsEmptyFontRecord(result.lfFit));
}

TEST_F(KeyFit, KeyFontOfMinus5OrLarger_NeverFits)
{
    for (LONG lfHeight : {-5L, -4L, 0L})
    {
        CKeyFitResult result = Fit(Rect(0, 0, 30, 20), "Scroll Lock", lfHeight);
        EXPECT_EQ(0x824u, result.nDrawFormat) << lfHeight;
        EXPECT_EQ(TRUE, IsEmptyFontRecord(result.lfFit)) << lfHeight;
    }
    EXPECT_TRUE(m_measure.m_heights.empty());
    // -6 tries -5 alone.
    Fit(Rect(0, 0, 30, 20), "Extraordinarily", -6);
    EXPECT_EQ(std::vector<int>{-5}, m_measure.m_heights);
}

TEST_F(KeyFit, LabelFittingOnOneLine_IsCentredSingleLine_InTheFittedFont)
{
    // "Page Up" in the key font: 42 wide. At -8: 4 per char, 28 > 26 wraps;
    // with a wider cap it fits on one line at -10 (5 per char: 35).
    CKeyFitResult result = Fit(Rect(0, 0, 40, 20), "Page Up");
    EXPECT_EQ(std::vector<int>{-10}, m_measure.m_heights);
    EXPECT_EQ(0x835u, result.nDrawFormat);
    EXPECT_EQ(-10, result.lfFit.lfHeight);
    EXPECT_STREQ("Arial", result.lfFit.lfFaceName);
    EXPECT_EQ(1, result.lfFit.lfCharSet);
    ExpectRect(Rect(2, 2, 38, 18), result.rectText);
}

TEST_F(KeyFit, LabelWrappedAtSpaces_IsLeftAligned_AndCentredWithTruncatingDivision)
{
    // Text rectangle 26 x 21. -10 (5 per char): "Scroll" is 30 wide, too wide.
    // -9 (4 per char): two lines, 18 high: top moves by (21 - 18) / 2 = 1.
    CKeyFitResult result = Fit(Rect(0, 0, 30, 25), "Scroll Lock");
    EXPECT_EQ((std::vector<int>{-10, -9}), m_measure.m_heights);
    EXPECT_EQ(0x810u, result.nDrawFormat);
    EXPECT_EQ(-9, result.lfFit.lfHeight);
    ExpectRect(Rect(2, 3, 28, 23), result.rectText);
}

TEST_F(KeyFit, WrappedBlockOneOddPixelShort_StaysAtTheTop)
{
    // Text rectangle 26 x 19, two lines at -9 are 18 high: (19 - 18) / 2 is 0.
    CKeyFitResult result = Fit(Rect(0, 0, 30, 23), "Scroll Lock");
    EXPECT_EQ(0x810u, result.nDrawFormat);
    ExpectRect(Rect(2, 2, 28, 21), result.rectText);
}

TEST_F(KeyFit, FittedLabelWithoutSpace_IsForcedOntoOneCentredLine)
{
    // 5 characters, 30 in the key font, too wide for a 30 cap; fits at -10.
    CKeyFitResult result = Fit(Rect(0, 0, 30, 20), "Pause");
    EXPECT_EQ(0x835u, result.nDrawFormat);
    EXPECT_EQ(-10, result.lfFit.lfHeight);
}

TEST_F(KeyFit, DebugFlag_NeverShrinks)
{
    CKeyFitResult result = Fit(Rect(0, 0, 30, 20), "Scroll Lock", -11, TRUE);
    EXPECT_TRUE(m_measure.m_heights.empty());
    EXPECT_EQ(0x824u, result.nDrawFormat);
    EXPECT_EQ(TRUE, IsEmptyFontRecord(result.lfFit));
}

TEST_F(KeyFit, FitKeynameZero_LeavesWideLabelLeftAlignedInTheKeyFont)
{
    CKeyFitResult result = Fit(Rect(0, 0, 30, 20), "Scroll Lock", -11, FALSE, 0);
    EXPECT_TRUE(m_measure.m_heights.empty());
    EXPECT_EQ(0x824u, result.nDrawFormat);
    EXPECT_EQ(TRUE, IsEmptyFontRecord(result.lfFit));
}

TEST_F(KeyFit, SymbolAlias_GetsSymbolCharsetFaceAndHeightTwoLessThanTheTextRectangle)
{
    CKeyFitResult result = Fit(Rect(5, 5, 35, 25), "Left");
    EXPECT_EQ(0x825u, result.nDrawFormat);
    EXPECT_EQ(2, result.lfFit.lfCharSet);
    EXPECT_EQ(2 - 16, result.lfFit.lfHeight);
    EXPECT_STREQ("Wingdings", result.lfFit.lfFaceName);
    EXPECT_EQ(400, result.lfFit.lfWeight); // the rest is the key font's
    EXPECT_TRUE(m_measure.m_keyFontTexts.empty());
}

TEST_F(KeyFit, KeypadDigitUnderDebug_StillGetsTheSymbolFont)
{
    CKeyFitResult result = Fit(Rect(0, 0, 30, 20), "Num 7 0047 0047", -11, TRUE);
    EXPECT_STREQ("Wingdings", result.lfFit.lfFaceName);
    EXPECT_EQ(2 - 16, result.lfFit.lfHeight);
    EXPECT_EQ(0x825u, result.nDrawFormat);
}

TEST_F(KeyFit, ArrowNameWithDebugSuffix_StaysText)
{
    CKeyFitResult result = Fit(Rect(0, 0, 30, 20), "Left 014b e04b", -11, TRUE);
    EXPECT_EQ(TRUE, IsEmptyFontRecord(result.lfFit));
    EXPECT_EQ(std::vector<std::string>{"Left 014b e04b"}, m_measure.m_keyFontTexts);
}

TEST_F(KeyFit, PlainAlias_IsMeasuredAsItsShortText)
{
    CKeyFitResult result = Fit(Rect(0, 0, 40, 20), "Caps Lock");
    EXPECT_EQ(std::vector<std::string>{"Caps"}, m_measure.m_keyFontTexts);
    EXPECT_EQ(0x825u, result.nDrawFormat);
    EXPECT_EQ(TRUE, IsEmptyFontRecord(result.lfFit));
}

TEST_F(KeyFit, PaddedSingleLetter_IsNoAlias)
{
    Fit(Rect(0, 0, 30, 20), " A ");
    EXPECT_EQ(std::vector<std::string>{" A "}, m_measure.m_keyFontTexts);
}

TEST(KeyFontFromFormFont, IsOnePixelSmaller_OutsideMinus2To2)
{
    const LONG cases[][2] = {{-12, -11}, {-3, -2}, {-2, -2}, {0, 0}, {2, 2}, {3, 1}, {16, 14}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], CKeyFit::KeyFontFromFormFont(KeyFont(c[0])).lfHeight) << c[0];
}
