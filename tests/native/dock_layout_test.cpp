// Where a dragged bar lands and how the frame makes room for it.
#include <gtest/gtest.h>

#include <tuple>

#include "framework/dock_layout.h"

namespace
{
// A rectangle's edges as a tuple: compared whole, printed with their values.
std::tuple<int, int, int, int> Edges(const CDrawRect& rc)
{
    return std::make_tuple(rc.left, rc.top, rc.right, rc.bottom);
}
} // namespace

TEST(DockLayout, SideAt_DocksNearAnEdge_InsideOrJustOutside_ElseFloats)
{
    const CDrawRect rcClient = {100, 100, 500, 400};
    struct
    {
        int x, y;
        EDockSide side;
    } cases[] = {
        {300, 105, DOCK_TOP},    {300, 90, DOCK_TOP},    {300, 395, DOCK_BOTTOM},
        {300, 410, DOCK_BOTTOM}, {105, 250, DOCK_LEFT},  {495, 250, DOCK_RIGHT},
        {102, 110, DOCK_LEFT},   // a corner goes to the nearer edge
        {300, 250, DOCK_FLOAT},  {300, 60, DOCK_FLOAT}, // the middle, and too far out
        {20, 105, DOCK_FLOAT},   // level with the top edge but far to its left
    };
    for (auto& c : cases)
        EXPECT_EQ(c.side, CDockLayout::SideAt(rcClient, c.x, c.y, 24)) << c.x << "," << c.y;
}

TEST(DockLayout, TheViewKeepsItsSize_WhereverTheBarGoes)
{
    const CDrawSize view = {600, 400}, row = {150, 26}, column = {30, 140};
    const int cyStatus = 20;
    struct
    {
        EDockSide side;
        CDrawSize bar;
        CDrawSize client;
        CDrawRect rcBar, rcView;
    } cases[] = {
        {DOCK_TOP, row, {600, 446}, {0, 0, 600, 26}, {0, 26, 600, 426}},
        {DOCK_BOTTOM, row, {600, 446}, {0, 400, 600, 426}, {0, 0, 600, 400}},
        {DOCK_LEFT, column, {630, 420}, {0, 0, 30, 400}, {30, 0, 630, 400}},
        {DOCK_RIGHT, column, {630, 420}, {600, 0, 630, 400}, {0, 0, 600, 400}},
        {DOCK_FLOAT, {0, 0}, {600, 420}, {0, 0, 0, 0}, {0, 0, 600, 400}},
    };
    for (auto& c : cases)
    {
        CDrawSize client = CDockLayout::ClientSize(c.side, view, c.bar, cyStatus);
        EXPECT_EQ(c.client.cx, client.cx) << c.side;
        EXPECT_EQ(c.client.cy, client.cy) << c.side;
        CDrawRect rcBar, rcView;
        CDockLayout::Arrange(c.side, client, c.bar, cyStatus, &rcBar, &rcView);
        EXPECT_EQ(Edges(c.rcBar), Edges(rcBar)) << c.side;
        EXPECT_EQ(Edges(c.rcView), Edges(rcView)) << c.side;
    }
}
