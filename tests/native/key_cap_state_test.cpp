#include <gtest/gtest.h>

#include "view/key_cap_state.h"
#include "view/key_draw_types.h"

namespace
{
const int UP = CKeyCapState::KEYSTATE_UP;
const int DOWN = CKeyCapState::KEYSTATE_DOWN;
const int HILITE = CKeyCapState::KEYSTATE_HILITE;
const int UNHILITE = CKeyCapState::KEYSTATE_UNHILITE;

void ExpectLook(int nEdge, int nOffset, DWORD crText, const CKeyCapLook& look)
{
    EXPECT_EQ(nEdge, look.nEdge);
    EXPECT_EQ(nOffset, look.nOffset);
    EXPECT_EQ(crText, look.crText);
}
} // namespace

TEST(KeyCapState, Requests_SetTheNibble)
{
    EXPECT_EQ(0, CKeyCapState::ApplyRequest(3, UP));
    EXPECT_EQ(1, CKeyCapState::ApplyRequest(0, DOWN));
    EXPECT_EQ(1, CKeyCapState::ApplyRequest(2, DOWN)); // pressing clears the highlight
    EXPECT_EQ(2, CKeyCapState::ApplyRequest(0, HILITE));
    EXPECT_EQ(3, CKeyCapState::ApplyRequest(1, HILITE)); // other bits kept
    EXPECT_EQ(1, CKeyCapState::ApplyRequest(3, UNHILITE));
    EXPECT_EQ(0, CKeyCapState::ApplyRequest(2, UNHILITE));
    EXPECT_EQ(0, CKeyCapState::ApplyRequest(0, UNHILITE));
}

TEST(KeyCapState, UnknownRequest_KeepsTheNibble)
{
    EXPECT_EQ(3, CKeyCapState::ApplyRequest(3, 3));
    EXPECT_EQ(2, CKeyCapState::ApplyRequest(2, 8));
}

TEST(KeyCapLook, Highlighted_IsSunkenOffsetAndBlue_EvenWhenRemapped)
{
    for (int nState : {2, 3})
        for (BOOL bRemapped : {FALSE, TRUE})
        {
            SCOPED_TRACE(testing::Message() << "state " << nState << ", remapped " << bRemapped);
            ExpectLook(KEY_EDGE_SUNKEN, 1, KEY_COLOR_BLUE,
                       CKeyCapState::GetLook(nState, TRUE, bRemapped, 0));
        }
}

TEST(KeyCapLook, Pressed_IsSunkenOffset_AndKeepsRedOrBlack)
{
    ExpectLook(KEY_EDGE_SUNKEN, 1, KEY_COLOR_RED, CKeyCapState::GetLook(1, TRUE, TRUE, 0));
    ExpectLook(KEY_EDGE_SUNKEN, 1, KEY_COLOR_BLACK, CKeyCapState::GetLook(1, FALSE, FALSE, 0));
}

TEST(KeyCapLook, Up_BaseRaisedBlack_RemappedRaisedRed_UnmappedEtchedBlack)
{
    ExpectLook(KEY_EDGE_RAISED, 0, KEY_COLOR_BLACK, CKeyCapState::GetLook(0, FALSE, FALSE, 0));
    ExpectLook(KEY_EDGE_RAISED, 0, KEY_COLOR_RED, CKeyCapState::GetLook(0, TRUE, TRUE, 0));
    ExpectLook(KEY_EDGE_ETCHED, 0, KEY_COLOR_BLACK, CKeyCapState::GetLook(0, TRUE, FALSE, 0));
}

TEST(KeyCapLook, Styles_SimpleHasNoCopy_RaisedCopyUpLeft_SunkCopyDownRight)
{
    // Any other positive style (7): a white copy right under the label.
    struct
    {
        int nStyle;
        BOOL bCopy;
        int nShift; // looked at only where there is a copy
    } cases[] = {{0, FALSE, 0}, {1, TRUE, -1}, {2, TRUE, 1}, {7, TRUE, 0}, {-1, FALSE, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nStyle);
        CKeyCapLook look = CKeyCapState::GetLook(0, FALSE, FALSE, c.nStyle);
        EXPECT_EQ(c.bCopy, look.bStyleCopy);
        if (c.bCopy)
        {
            EXPECT_EQ(c.nShift, look.nStyleShift);
        }
    }
}

TEST(KeyCapContrastLook, SystemColours_HighlightForRemappedAndPickedUp_GrayForKeysThatDoNothing)
{
    struct { int nState; BOOL bRemapBoard, bRemapped, bOff; int nFace, nText, nEdge; BOOL bMark; } cases[] = {
        {0, FALSE, FALSE, FALSE, KEY_SYSCOLOR_BTNFACE, KEY_SYSCOLOR_BTNTEXT, KEY_EDGE_RAISED, FALSE},
        {1, FALSE, FALSE, FALSE, KEY_SYSCOLOR_HIGHLIGHT, KEY_SYSCOLOR_HIGHLIGHTTEXT, KEY_EDGE_SUNKEN, FALSE},
        {0, TRUE, TRUE, FALSE, KEY_SYSCOLOR_HIGHLIGHT, KEY_SYSCOLOR_HIGHLIGHTTEXT, KEY_EDGE_RAISED, TRUE},
        {2, TRUE, TRUE, FALSE, KEY_SYSCOLOR_HIGHLIGHT, KEY_SYSCOLOR_HIGHLIGHTTEXT, KEY_EDGE_SUNKEN, TRUE},
        {0, TRUE, FALSE, FALSE, KEY_SYSCOLOR_BTNFACE, KEY_SYSCOLOR_BTNTEXT, KEY_EDGE_ETCHED, FALSE},
        {0, TRUE, FALSE, TRUE, KEY_SYSCOLOR_BTNFACE, KEY_SYSCOLOR_GRAYTEXT, KEY_EDGE_ETCHED, FALSE},
    };
    for (const auto& c : cases)
    {
        CKeyCapContrastLook look = CKeyCapState::GetContrastLook(c.nState, c.bRemapBoard, c.bRemapped, c.bOff);
        EXPECT_EQ(c.nFace, look.nFace);
        EXPECT_EQ(c.nText, look.nText);
        EXPECT_EQ(c.nEdge, look.nEdge);
        EXPECT_EQ(c.bMark, look.bMarkRemapped);
    }
}
