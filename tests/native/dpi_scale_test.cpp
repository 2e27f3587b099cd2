#include <gtest/gtest.h>

#include "framework/dpi_scale.h"

TEST(DpiScale, Scale_RoundsHalvesAwayFromZero_AndKeepsValuesWhenADpiIsUnknown)
{
    struct { int n, nTo, nFrom, nScaled; } cases[] = {
        {16, 144, 96, 24}, {15, 144, 96, 23}, {-15, 144, 96, -23}, {13, 120, 96, 16},
        {23, 96, 144, 15}, {7, 192, 96, 14}, {1, 96, 192, 1}, {-1, 96, 192, -1},
        {0, 144, 96, 0}, {40, 96, 96, 40}, {40, 0, 96, 40}, {40, 144, -1, 40},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nScaled, CDpiScale::Scale(c.n, c.nTo, c.nFrom)) << c.n << " " << c.nTo;
}

TEST(DpiScale, ScaleFontHeight_KeepsSignAndDefault_AndNeverVanishes)
{
    EXPECT_EQ(-18, CDpiScale::ScaleFontHeight(-12, 144, 96));
    EXPECT_EQ(16, CDpiScale::ScaleFontHeight(8, 192, 96));
    EXPECT_EQ(0, CDpiScale::ScaleFontHeight(0, 192, 96));
    EXPECT_EQ(-1, CDpiScale::ScaleFontHeight(-1, 96, 288));
}

TEST(DpiScale, ScaleRect_ScalesEachEdge_SoNeighboursStayNeighbours)
{
    struct { int left, top, right, bottom; } a = {17, 23, 33, 36}, b = {33, 23, 49, 36};
    auto a2 = CDpiScale::ScaleRect(a, 120, 96), b2 = CDpiScale::ScaleRect(b, 120, 96);
    EXPECT_EQ(21, a2.left);
    EXPECT_EQ(29, a2.top);
    EXPECT_EQ(b2.left, a2.right);
    EXPECT_EQ(45, a2.bottom);
}
