#include <gtest/gtest.h>

#include "view/key_navigation.h"

namespace
{
// Base keyboard:  Esc  .  F1         Remapped keyboard:  rEsc  .  rF1
//                 A    B  Tall                           (and a cap without a place)
//                 C====   Tall
enum { ESC, F1, A, B, TALL, C, R_ESC, R_F1, R_NOWHERE };

std::vector<CNavCap> Grid()
{
    return {
        {{0, 0, 10, 10}, FALSE, 0x01},    {{20, 0, 30, 10}, FALSE, 0x3B},
        {{0, 20, 10, 30}, FALSE, 0x1E},   {{10, 20, 20, 30}, FALSE, 0x30},
        {{20, 20, 30, 50}, FALSE, 0xE01C}, {{0, 40, 20, 50}, FALSE, 0x39},
        {{0, 100, 10, 110}, TRUE, 0x01},  {{20, 100, 30, 110}, TRUE, 0x3B},
        {{0, 0, 0, 0}, TRUE, 0x30}};
}
} // namespace

TEST(KeyNavigation, EveryMove_LeadsToTheNearestCapThatWay_OrStays)
{
    std::vector<CNavCap> caps = Grid();
    CKeyNavigation nav(caps);
    struct { int nFrom; CKeyNavigation::EMove move; int nTo; } cases[] = {
        {ESC, CKeyNavigation::NAV_RIGHT, F1},
        {ESC, CKeyNavigation::NAV_LEFT, ESC},
        {ESC, CKeyNavigation::NAV_UP, ESC},
        {ESC, CKeyNavigation::NAV_DOWN, A},
        {F1, CKeyNavigation::NAV_DOWN, TALL},
        {TALL, CKeyNavigation::NAV_LEFT, B},      // a tall key is in both its rows
        {TALL, CKeyNavigation::NAV_DOWN, R_F1},   // from the base keyboard into the remapped one
        {C, CKeyNavigation::NAV_DOWN, R_ESC},
        {R_ESC, CKeyNavigation::NAV_UP, C},       // and back
        {R_ESC, CKeyNavigation::NAV_DOWN, R_ESC}, // the cap without a place is never reached
        {B, CKeyNavigation::NAV_ROW_START, A},
        {A, CKeyNavigation::NAV_ROW_END, TALL},
        {B, CKeyNavigation::NAV_BOARD_FIRST, ESC},
        {ESC, CKeyNavigation::NAV_BOARD_LAST, TALL},
        {R_F1, CKeyNavigation::NAV_BOARD_FIRST, R_ESC},
        {F1, CKeyNavigation::NAV_BOARD_BELOW, R_F1},
        {R_ESC, CKeyNavigation::NAV_BOARD_ABOVE, ESC},
        {ESC, CKeyNavigation::NAV_BOARD_ABOVE, ESC},
        {B, CKeyNavigation::NAV_BOARD_BELOW, B}, // its twin has no place
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nTo, nav.Move(c.nFrom, c.move)) << "from " << c.nFrom << " move " << c.move;
}

TEST(KeyNavigation, RowsThatOverlapByAPixel_StayApart)
{
    // Q above R and S, one pixel into their row, and nearer across than S.
    enum { Q, R, S };
    std::vector<CNavCap> caps = {{{12, 0, 18, 11}, FALSE, 0x10},
                                 {{0, 10, 10, 20}, FALSE, 0x1E},
                                 {{20, 10, 30, 20}, FALSE, 0x1F}};
    CKeyNavigation nav(caps);
    EXPECT_EQ(S, nav.Move(R, CKeyNavigation::NAV_RIGHT));
    EXPECT_EQ(Q, nav.Move(R, CKeyNavigation::NAV_UP));
}
